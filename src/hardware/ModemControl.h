#pragma once
// Switches the packet modem to the satellite's mode before a pass: the
// DSP-12 through its menu dialogue, the DSP-2232 with one command; every
// other TNC type needs nothing. The pass runner waits on the ready event.
//
// Threads: SetModemMode runs on the pass runner's thread; the DSP-12 reader
// on one of its own; OnWake and OnTimeout on the main window's thread when
// its timers 106 and 105 fire. Nothing here touches a window.
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "platform/SerialPort.h"

namespace tarvon {

class Event;
class Notices;
class Registry;
class StationTimers;
class Waits;

struct ModemServices {
    Registry& registry;
    SerialPorts& ports;
    Waits& waits;
    Notices& notices;
    StationTimers& timers;
    std::function<void()> playErrorSound;
};

class ModemControl {
public:
    explicit ModemControl(ModemServices services) : s_(std::move(services)) {}
    ~ModemControl();
    ModemControl(const ModemControl&) = delete;
    ModemControl& operator=(const ModemControl&) = delete;

    // Resets `ready`, prepares the modem of the satellite and sets `ready`
    // when done or when there is nothing to do. Returns at once for the
    // DSP-12 (its reader finishes the work).
    void SetModemMode(const std::string& satName, Event& ready);

    // Timer 106: the modem showed no command prompt, so leave command mode.
    void OnWake();
    // Timer 105: no "Main Menu" in time.
    void OnTimeout();

private:
    bool OpenDspPort(uint32_t port, uint32_t speed);
    void CloseDspPort();
    void Write(std::string_view bytes);
    void Finish();
    void ReaderLoop(std::shared_ptr<SerialPort> port);
    void SendModeAfterMenu();
    void JoinReader();

    ModemServices s_;
    std::mutex mutex_;  // guards port_, ready_, satName_
    std::shared_ptr<SerialPort> port_;
    Event* ready_ = nullptr;  // set while a preparation is running
    std::string satName_;
    std::thread reader_;  // touched only by SetModemMode and the destructor
};

}  // namespace tarvon
