#include "win32/Win32SerialPorts.h"

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>

#include "hardware/RotatorProtocol.h"

namespace tarvon {
namespace {

// A write that the device does not take within this (plus a little per
// byte at the slowest speed) is given up: handshake lines held by a dead box.
constexpr DWORD kWriteLimitMs = 2000;
constexpr DWORD kWriteMsPerByte = 10;

class Win32SerialPort final : public SerialPort {
public:
    explicit Win32SerialPort(HANDLE handle)
        : handle_(handle),
          closeEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          readEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          writeEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

    ~Win32SerialPort() override {
        Close();
        CloseHandle(handle_);
        CloseHandle(closeEvent_);
        CloseHandle(readEvent_);
        CloseHandle(writeEvent_);
    }

    bool Valid() const { return closeEvent_ && readEvent_ && writeEvent_; }

    bool Write(std::string_view bytes) override {
        if (closed_ || bytes.empty()) return !closed_;
        // Lines of two threads (a dialogue and a tracking step) never interleave.
        std::lock_guard<std::mutex> lock(writeMutex_);
        OVERLAPPED ov{};
        ov.hEvent = writeEvent_;
        ResetEvent(writeEvent_);
        DWORD done = 0;
        const DWORD size = static_cast<DWORD>(bytes.size());
        if (WriteFile(handle_, bytes.data(), size, &done, &ov)) return done == size;
        if (GetLastError() != ERROR_IO_PENDING) return false;
        return Finish(ov, writeEvent_, kWriteLimitMs + kWriteMsPerByte * size, done) == Outcome::Done &&
               done == size;
    }

    SerialRead ReadByte(uint8_t& byte, uint32_t timeoutMs) override {
        if (closed_) return SerialRead::Closed;
        OVERLAPPED ov{};
        ov.hEvent = readEvent_;
        ResetEvent(readEvent_);
        DWORD done = 0;
        Outcome outcome = Outcome::Done;
        if (!ReadFile(handle_, &byte, 1, &done, &ov)) {
            if (GetLastError() != ERROR_IO_PENDING) return Gone();
            outcome = Finish(ov, readEvent_, timeoutMs, done);
        }
        if (done == 1) return SerialRead::Byte;
        switch (outcome) {
            // A pty whose far end has closed keeps a read waiting; the status
            // query fails on it, and that is how a pulled device shows.
            case Outcome::TimedOut: return StillThere() ? SerialRead::TimedOut : Gone();
            case Outcome::Closed: return SerialRead::Closed;
            // Without read time-outs a read ends with nothing only when the
            // device has gone away.
            default: return Gone();
        }
    }

    // The transmit side is left alone: a write has finished once it returns,
    // and purging it on a busy machine dropped a stop command that the
    // device had not read yet.
    void Purge() override {
        if (!closed_) PurgeComm(handle_, PURGE_RXABORT | PURGE_RXCLEAR);
    }

    void Close() override {
        if (closed_.exchange(true)) return;
        SetEvent(closeEvent_);
        CancelIoEx(handle_, nullptr);
    }

private:
    enum class Outcome { Done, TimedOut, Closed, Failed };

    bool StillThere() {
        DWORD errors = 0;
        COMSTAT status{};
        return ClearCommError(handle_, &errors, &status) != 0;
    }

    SerialRead Gone() {
        Close();
        return SerialRead::Closed;
    }

    // Waits for the operation, the close event or the limit; an operation
    // that is given up is cancelled and waited for, so `ov` is free again.
    Outcome Finish(OVERLAPPED& ov, HANDLE event, DWORD limitMs, DWORD& done) {
        HANDLE waits[2] = {event, closeEvent_};
        const DWORD woken = WaitForMultipleObjects(2, waits, FALSE, limitMs);
        Outcome outcome = Outcome::Done;
        if (woken != WAIT_OBJECT_0) {
            outcome = woken == WAIT_OBJECT_0 + 1 ? Outcome::Closed : Outcome::TimedOut;
            CancelIoEx(handle_, &ov);
        }
        if (!GetOverlappedResult(handle_, &ov, &done, TRUE) && outcome == Outcome::Done) {
            outcome = Outcome::Failed;
        }
        return outcome;
    }

    HANDLE handle_;
    HANDLE closeEvent_;
    HANDLE readEvent_;
    HANDLE writeEvent_;
    std::atomic<bool> closed_{false};
    std::mutex writeMutex_;
};

bool Configure(HANDLE handle, const SerialOpenOptions& options) {
    if (!SetupComm(handle, kSerialInQueue, kSerialOutQueue)) return false;
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(handle, &dcb)) return false;
    dcb.BaudRate = options.speed;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    if (!SetCommState(handle, &dcb)) return false;
    const DWORD mask = EV_RXCHAR | EV_ERR | (options.wakeOnBreak ? EV_BREAK : 0);
    if (!SetCommMask(handle, mask)) return false;
    // No driver time-outs: a read waits for its byte, and our own limit ends it.
    COMMTIMEOUTS timeouts{};
    return SetCommTimeouts(handle, &timeouts) != 0;
}

}  // namespace

std::shared_ptr<SerialPort> Win32SerialPorts::Open(uint32_t number, const SerialOpenOptions& options) {
    // The device-namespace form also reaches ports above COM9.
    const std::wstring name = L"\\\\.\\COM" + std::to_wstring(number);
    HANDLE handle = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    if (!Configure(handle, options)) {
        CloseHandle(handle);
        return nullptr;
    }
    auto port = std::make_shared<Win32SerialPort>(handle);
    if (!port->Valid()) return nullptr;
    return port;
}

}  // namespace tarvon
