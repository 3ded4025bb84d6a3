#pragma once
// Serial ports with a scripted device on the far side: every open and every
// write is recorded, and the device answers each write with bytes that the
// station then reads. Reads wait for real (briefly), so reader threads run as
// they would against a real port.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/SerialPort.h"

namespace tarvon {

struct SerialOpen {
    uint32_t number;
    SerialOpenOptions options;
};

class ScriptedSerialPorts final : public SerialPorts {
public:
    // What the device sends back after receiving `written`; may be empty.
    using Device = std::function<std::string(const std::string& written)>;

    std::shared_ptr<SerialPort> Open(uint32_t number, const SerialOpenOptions& options) override;

    void SetDevice(Device device);
    void FailOpens(bool fail);
    // Bytes the device sends of its own accord, to the port open now.
    void Send(const std::string& bytes);
    // The device goes away (cable pulled): the open port reads as closed.
    void Vanish();

    std::vector<SerialOpen> Opens() const;
    // Every Write call, in order, across all ports.
    std::vector<std::string> Writes() const;
    std::string Written() const;
    int Closes() const;
    int Purges() const;
    bool AnyOpen() const;
    // Waits (up to `ms`) until `done` holds; checked after every change.
    bool WaitFor(const std::function<bool()>& done, uint32_t ms = 3000) const;

private:
    class Port;
    friend class Port;

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    Device device_;
    bool failOpens_ = false;
    std::vector<SerialOpen> opens_;
    std::vector<std::string> writes_;
    int closes_ = 0;
    int purges_ = 0;
    std::weak_ptr<Port> current_;
};

}  // namespace tarvon
