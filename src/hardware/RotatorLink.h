#pragma once
// The station's serial rotators: the one port they share, the dialogues of
// the box types (TrakBox, SatTrak), the per-step lines of the streaming types
// (EasyComm 1 and 2, GS232), the rotator time-out and the EasyComm read-back.
//
// The tracking controller decides *when* something goes out (start, stop,
// every step, a selection); this class decides *what* goes on the wire. It
// reads the rotator type, port, speed and pacing from the settings at each
// call, so a change on the Rotator page takes effect at the next one. The
// "Level1" driver type and the types without output of their own ("None",
// "Tarrik", "DDE") are left alone by every call here.
//
// Threads: every call may come from any thread; the port and the dialogue
// state are guarded inside. The reader runs on a thread of its own; the hooks
// it calls (read-back, TrakBox names, stop of the tracking loop) run on that
// thread and must only post to windows. Nothing here touches a window: the
// time-out timer (id 103) is armed and stopped through StationTimers, and the
// main window calls OnTimeout when it fires.
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "hardware/DialogueMachines.h"
#include "hardware/RotatorCommands.h"
#include "platform/SerialPort.h"

namespace tarvon {

class Notices;
class StationTimers;
class Waits;
struct GeneralSettings;

struct RotatorLinkServices {
    SerialPorts& ports;
    Waits& waits;
    Notices& notices;
    StationTimers& timers;
    const GeneralSettings& settings;    // rotator type, port, speed, pacing
    std::function<void()> playErrorSound;
};

struct RotatorLinkHooks {
    // Stops the tracking loop: the time-out, a satellite TrakBox does not
    // know, the end of the TrakBox list. The port is closed by the link.
    std::function<void()> stopTrackingLoop;
    // A position read back from an EasyComm rotator, degrees.
    std::function<void(double azimuth, double elevation)> readBack;
};

class RotatorLink {
public:
    explicit RotatorLink(RotatorLinkServices services);
    ~RotatorLink();  // closes the port and waits for the reader
    RotatorLink(const RotatorLink&) = delete;
    RotatorLink& operator=(const RotatorLink&) = delete;

    void SetHooks(RotatorLinkHooks hooks);

    // Start-up: the EasyComm types open the port and start the reader, which
    // runs as long as the port is open. A failure plays the error sound and
    // shows "Unable to initialise rotator communications" ("Rotator Error").
    void InitRotator();

    // The serial part of starting (`stopping` false) or stopping tracking of
    // `satName`. TrakBox: "Q\n" and the track dialogue (12 s time-out), or
    // "Q\n" and the port closed when stopping. SatTrak: the select dialogue
    // (55 s). EasyComm 1, GS232: the port opened. EasyComm 2: the port opened
    // and "SN<name>\n" sent, or "LO SN " when stopping. An open failure shows
    // the message above.
    // Returns whether the controller goes on to create the tracking state:
    // false when the port could not be opened for EasyComm 1/2 or GS232, and
    // when the TrakBox or SatTrak port is busy with another dialogue.
    bool StartOutput(const std::string& satName, bool stopping);

    // One tracking step, at or above -3 degrees: EasyComm 1 its line,
    // EasyComm 2 ("AO " first when the satellite just rose) its two lines,
    // GS232 "W az el" when an axis moved more than 3 degrees since the last
    // command of this tracking (the first step always sends).
    void SendStep(const RotatorStep& step);

    // Messages 2031 (uplink) and 2040 (downlink) with the selection character
    // and the newly selected nominal frequency. TrakBox sends the character;
    // SatTrak runs its frequency dialogue with `hz`. When another dialogue is
    // running, the selection follows as soon as it has ended.
    void SelectFrequency(bool uplink, char selection, double hz);

    // The TrakBox satellite list for the Enable Rotator dialog. `onName` is
    // called on the reader thread once per name. False when the list cannot
    // be asked for: the port failed to open (after the message) or another
    // dialogue is running.
    bool ListTrakBoxSatellites(std::function<void(const std::string& name)> onName);

    // Stops the time-out timer (a new tracking start replaces the old one).
    void StopTimeout();

    // Ends any dialogue and closes the port (Cancel of the Enable Rotator
    // dialog with TrakBox, program exit).
    void CloseRotatorPort();

    // The main window's timer 103 fired: tracking stops, the port closes, the
    // error sound and "The rotator has timed out." ("Rotator Problem").
    void OnTimeout();

    bool PortOpen() const;

private:
    struct PendingSelection {
        bool uplink = false;
        char selection = 0;
        double hz = 0;
    };

    RotatorType Type() const;
    bool OpenPortLocked();
    void ReportOpenFailure();
    void Write(std::string_view bytes);
    void WriteTo(const std::shared_ptr<SerialPort>& port, std::string_view bytes);
    void StartReader();
    void ReaderLoop(std::shared_ptr<SerialPort> port);
    void HandleLine(std::string_view line);
    void Perform(const DialogueActions& actions);
    bool BeginDialogue(Dialogue dialogue, uint32_t timeoutMs, std::string_view opening);
    bool StartSelectionLocked(const PendingSelection& selection);
    void ClosePortNow();

    RotatorLinkServices s_;
    RotatorLinkHooks hooks_;
    mutable std::mutex mutex_;  // guards port_, dialogue_, pending_, gs232_
    std::shared_ptr<SerialPort> port_;
    Dialogue dialogue_;
    bool hasPending_ = false;
    PendingSelection pending_;
    Gs232Memory gs232_;
    std::function<void(const std::string&)> onName_;
    double readBack_[2] = {0.0, 0.0};  // azimuth, elevation; the reader's own
    std::mutex readerMutex_;  // guards reader_ and readerPort_
    std::thread reader_;
    std::shared_ptr<SerialPort> readerPort_;
};

}  // namespace tarvon
