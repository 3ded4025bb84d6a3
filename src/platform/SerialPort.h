#pragma once
// Serial ports as the rotator and modem code use them: "COM%d" opened with a
// speed, bytes written, single bytes read within a time limit. A silent or
// vanished device must never hang a thread, so every read has a limit and
// Close, from any thread, makes a read that is waiting return at once.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace tarvon {

enum class SerialRead { Byte, TimedOut, Closed };

class SerialPort {
public:
    virtual ~SerialPort() = default;
    // Whether every byte went out; a device that does not take them within a
    // short limit gives false.
    virtual bool Write(std::string_view bytes) = 0;
    // One byte within `timeoutMs`. Closed once the port is closed or the
    // device has gone; it stays Closed from then on.
    virtual SerialRead ReadByte(uint8_t& byte, uint32_t timeoutMs) = 0;
    // Discards what the device sent and nobody read. What was written still
    // reaches the device, even when the port is closed right after.
    virtual void Purge() = 0;
    // Safe from any thread, and more than once.
    virtual void Close() = 0;
};

// The driver settings every station port uses: queues of 1024 bytes in and
// 256 out; the port's current settings with the speed, 8 data bits and no
// parity changed (stop bits and handshake stay as the port has them).
struct SerialOpenOptions {
    uint32_t speed = 9600;
    // Rotators also wake the reader on a break; modems only on characters and errors.
    bool wakeOnBreak = false;
};

class SerialPorts {
public:
    virtual ~SerialPorts() = default;
    // "COM<number>", read and write, not shared, existing devices only.
    // nullptr when any step fails; nothing is left open then.
    virtual std::shared_ptr<SerialPort> Open(uint32_t number, const SerialOpenOptions& options) = 0;
};

}  // namespace tarvon
