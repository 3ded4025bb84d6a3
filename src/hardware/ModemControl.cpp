#include "hardware/ModemControl.h"

#include <memory>

#include "core/SatelliteConfig.h"
#include "hardware/DialogueMachines.h"
#include "hardware/RotatorCommands.h"
#include "hardware/StationTimers.h"
#include "platform/Event.h"
#include "platform/Notices.h"
#include "platform/Registry.h"
#include "platform/Waits.h"

namespace tarvon {
namespace {

constexpr uint32_t kReadSliceMs = 500;

struct ModemValues {
    uint32_t tncType = 0;
    uint32_t port = 0;
    uint32_t speed = 0;
    std::string mode;
};

std::unique_ptr<RegKey> OpenSatelliteKey(Registry& registry, const std::string& satName) {
    std::string path;
    if (!FindSatelliteKey(registry, satName, path)) return nullptr;
    return registry.Open(RegRoot::LocalMachine, path);
}

// Nothing to do unless all four values are there and the mode is not empty.
bool ReadModemValues(RegKey& key, ModemValues& v) {
    if (!RegReadDword(key, "TNC Type", v.tncType) || !RegReadDword(key, "Port", v.port) ||
        !RegReadDword(key, "Speed", v.speed)) {
        return false;
    }
    v.mode = ReadDspMode(key);
    return !v.mode.empty();
}

}  // namespace

ModemControl::~ModemControl() {
    CloseDspPort();
    JoinReader();
}

void ModemControl::JoinReader() {
    if (reader_.joinable()) reader_.join();
}

void ModemControl::SetModemMode(const std::string& satName, Event& ready) {
    // A preparation still running (shutdown cut its time-out short) ends
    // here, so that its reader finishes within one read.
    bool preparing;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        preparing = ready_ != nullptr;
    }
    if (preparing) Finish();
    JoinReader();
    ready.Reset();
    ModemValues v;
    std::unique_ptr<RegKey> key = OpenSatelliteKey(s_.registry, satName);
    if (!key || !ReadModemValues(*key, v) || (v.tncType != kTncDsp12 && v.tncType != kTncDsp2232)) {
        ready.Set();
        return;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        satName_ = satName;
        ready_ = &ready;
    }
    if (!OpenDspPort(v.port, v.speed)) return;
    if (v.tncType == kTncDsp2232) {
        Write(Dsp2232ModeCommand(v.mode));
        s_.waits.Sleep(kDsp2232SettleMs);
        Finish();
        return;
    }
    Write(std::string(3, '\x03'));
    s_.timers.Arm(StationTimer::DspWake, kDspWakeMs);
    s_.timers.Arm(StationTimer::DspTimeout, kDspTimeoutMs);
    std::shared_ptr<SerialPort> port;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        port = port_;
    }
    if (port) reader_ = std::thread([this, port] { ReaderLoop(port); });
}

bool ModemControl::OpenDspPort(uint32_t port, uint32_t speed) {
    SerialOpenOptions options;
    options.speed = speed;
    std::shared_ptr<SerialPort> opened = s_.ports.Open(port, options);
    if (opened) {
        std::lock_guard<std::mutex> lock(mutex_);
        port_ = opened;
        return true;
    }
    Finish();
    if (s_.playErrorSound) s_.playErrorSound();
    s_.notices.Show(kDspOpenFailedText, kDspErrorCaption, NoticeIcon::Exclamation);
    return false;
}

void ModemControl::CloseDspPort() {
    std::shared_ptr<SerialPort> port;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        port = std::move(port_);
    }
    s_.timers.Stop(StationTimer::DspWake);
    s_.timers.Stop(StationTimer::DspTimeout);
    if (port) {
        port->Purge();
        port->Close();
    }
}

// Ends the preparation: port closed, timers stopped, the runner released.
void ModemControl::Finish() {
    CloseDspPort();
    Event* ready;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ready = ready_;
        ready_ = nullptr;
    }
    if (ready) ready->Set();
}

void ModemControl::Write(std::string_view bytes) {
    std::shared_ptr<SerialPort> port;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        port = port_;
    }
    if (port) port->Write(bytes);
}

void ModemControl::OnWake() {
    s_.timers.Stop(StationTimer::DspWake);
    Write("q\r");
}

void ModemControl::OnTimeout() {
    bool preparing;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        preparing = ready_ != nullptr;
    }
    if (!preparing) return;  // the dialogue finished as the timer fired
    Finish();
    if (s_.playErrorSound) s_.playErrorSound();
    s_.notices.Show(kDspTimedOutText, kDspProblemCaption, NoticeIcon::Exclamation);
}

void ModemControl::ReaderLoop(std::shared_ptr<SerialPort> port) {
    LineFramer framer(kDspTerminators, kDspLineBuffer);
    uint8_t byte = 0;
    for (;;) {
        const SerialRead read = port->ReadByte(byte, kReadSliceMs);
        if (read == SerialRead::Closed) return;  // the time-out closed it
        if (read == SerialRead::TimedOut || !framer.Feed(byte)) continue;
        switch (OnDsp12Line(framer.Line())) {
            case Dsp12Reply::QuitCommandMode:
                s_.timers.Stop(StationTimer::DspWake);
                Write("Q\r");
                break;
            case Dsp12Reply::Return: Write("\r"); break;
            case Dsp12Reply::MainMenu: SendModeAfterMenu(); return;
            case Dsp12Reply::Nothing: break;
        }
    }
}

// The mode is read again: the user may have changed it while the menu came up.
void ModemControl::SendModeAfterMenu() {
    std::string satName;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        satName = satName_;
    }
    if (std::unique_ptr<RegKey> key = OpenSatelliteKey(s_.registry, satName)) {
        const std::string mode = ReadDspMode(*key);
        if (!mode.empty()) Write(mode + "\r");
    }
    s_.timers.Stop(StationTimer::DspTimeout);
    s_.waits.Sleep(kDsp12SettleMs);
    Finish();
}

}  // namespace tarvon
