#include "hardware/RotatorLink.h"

#include "core/Settings.h"
#include "hardware/PacedWriter.h"
#include "hardware/StationTimers.h"
#include "platform/Notices.h"
#include "platform/Waits.h"

namespace tarvon {
namespace {

// A read that finds nothing is retried; the limit only bounds how long a
// closed port can go unnoticed by the reader.
constexpr uint32_t kReadSliceMs = 500;

bool IsEasyComm(RotatorType type) { return type == kRotatorEasyComm1 || type == kRotatorEasyComm2; }

const char* TerminatorsOf(RotatorType type) {
    switch (type) {
        case kRotatorTrakBox: return kTrakBoxTerminators;
        case kRotatorSatTrak: return kSatTrakTerminators;
        default: return kEasyCommTerminators;
    }
}

}  // namespace

RotatorLink::RotatorLink(RotatorLinkServices services) : s_(std::move(services)) {}

RotatorLink::~RotatorLink() {
    ClosePortNow();
    std::lock_guard<std::mutex> lock(readerMutex_);
    if (reader_.joinable()) reader_.join();
}

void RotatorLink::SetHooks(RotatorLinkHooks hooks) {
    std::lock_guard<std::mutex> lock(mutex_);
    hooks_ = std::move(hooks);
}

RotatorType RotatorLink::Type() const { return static_cast<RotatorType>(s_.settings.rotatorType); }

bool RotatorLink::PortOpen() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return port_ != nullptr;
}

bool RotatorLink::OpenPortLocked() {
    if (port_) return true;
    SerialOpenOptions options;
    options.speed = s_.settings.rotatorSpeed;
    options.wakeOnBreak = true;
    port_ = s_.ports.Open(s_.settings.rotatorPort, options);
    return port_ != nullptr;
}

void RotatorLink::ReportOpenFailure() {
    if (s_.playErrorSound) s_.playErrorSound();
    s_.notices.Show(kRotatorInitFailedText, kRotatorErrorCaption, NoticeIcon::Exclamation);
}

void RotatorLink::WriteTo(const std::shared_ptr<SerialPort>& port, std::string_view bytes) {
    if (port) WritePaced(*port, s_.waits, s_.settings.pacingDelay, bytes);
}

void RotatorLink::Write(std::string_view bytes) {
    std::shared_ptr<SerialPort> port;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        port = port_;
    }
    WriteTo(port, bytes);
}

void RotatorLink::InitRotator() {
    if (!IsEasyComm(Type())) return;
    bool opened;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        opened = OpenPortLocked();
    }
    if (!opened) {
        ReportOpenFailure();
        return;
    }
    StartReader();
}

bool RotatorLink::BeginDialogue(Dialogue dialogue, uint32_t timeoutMs, std::string_view opening) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (dialogue_.state != 0) return false;
        if (!OpenPortLocked()) return false;
        dialogue_ = std::move(dialogue);
    }
    s_.timers.Arm(StationTimer::RotatorTimeout, timeoutMs);
    Write(opening);
    return true;
}

bool RotatorLink::StartOutput(const std::string& satName, bool stopping) {
    const RotatorType type = Type();
    switch (type) {
        case kRotatorTrakBox: {
            if (PortOpen()) return false;
            if (!BeginDialogue(TrakBoxTrack(satName), kTrakBoxTimeoutMs, "Q\n")) {
                ReportOpenFailure();
                return true;
            }
            if (stopping) {
                CloseRotatorPort();
            } else {
                StartReader();
            }
            return true;
        }
        case kRotatorSatTrak: {
            if (stopping) return false;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (port_ || dialogue_.state != 0) return false;
            }
            if (!BeginDialogue(SatTrakSelect(satName), kSatTrakTimeoutMs, "W")) {
                ReportOpenFailure();
                return true;
            }
            s_.waits.Sleep(kSatTrakWakeMs);
            StartReader();
            return true;
        }
        case kRotatorEasyComm1:
        case kRotatorEasyComm2:
        case kRotatorGs232: {
            if (stopping) {
                if (type == kRotatorEasyComm2) Write(kEasyComm2Stop);
                return true;
            }
            bool opened;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                opened = OpenPortLocked();
                gs232_ = Gs232Memory{};
            }
            if (!opened) {
                ReportOpenFailure();
                return false;
            }
            if (IsEasyComm(type)) StartReader();
            if (type == kRotatorEasyComm2) Write(EasyComm2Start(satName));
            return true;
        }
        default: return true;
    }
}

void RotatorLink::SendStep(const RotatorStep& step) {
    switch (Type()) {
        case kRotatorEasyComm1: Write(EasyComm1Line(step)); break;
        case kRotatorEasyComm2: Write(EasyComm2Lines(step)); break;
        case kRotatorGs232: {
            std::optional<std::string> command;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                command = Gs232Command(gs232_, step.azimuth, step.elevation);
            }
            if (command) Write(*command);
            break;
        }
        default: break;
    }
}

// Under mutex_. TrakBox sends the character on a port of its own; SatTrak
// runs its frequency dialogue.
bool RotatorLink::StartSelectionLocked(const PendingSelection& selection) {
    if (Type() == kRotatorTrakBox) {
        if (!OpenPortLocked()) return false;
        std::shared_ptr<SerialPort> port = port_;
        WriteTo(port, std::string(1, selection.selection));
        port->Close();
        port_.reset();
        return true;
    }
    if (!OpenPortLocked()) return false;
    dialogue_ = SatTrakTune(selection.uplink, selection.hz);
    return true;
}

void RotatorLink::SelectFrequency(bool uplink, char selection, double hz) {
    const RotatorType type = Type();
    if (type != kRotatorTrakBox && type != kRotatorSatTrak) return;
    const PendingSelection wanted{uplink, selection, hz};
    bool opened;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (dialogue_.state != 0 || (type == kRotatorSatTrak && port_)) {
            // The running dialogue owns the port; the selection follows it.
            hasPending_ = true;
            pending_ = wanted;
            return;
        }
        opened = StartSelectionLocked(wanted);
    }
    if (!opened) {
        ReportOpenFailure();
        return;
    }
    if (type == kRotatorSatTrak) {
        s_.timers.Arm(StationTimer::RotatorTimeout, kSatTrakTimeoutMs);
        Write("W");
        s_.waits.Sleep(kSatTrakWakeMs);
        StartReader();
    }
}

bool RotatorLink::ListTrakBoxSatellites(std::function<void(const std::string&)> onName) {
    if (Type() != kRotatorTrakBox) return false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (dialogue_.state != 0) return false;
        onName_ = std::move(onName);
    }
    if (!BeginDialogue(TrakBoxList(), kTrakBoxTimeoutMs, "Q\n")) {
        ReportOpenFailure();
        return false;
    }
    StartReader();
    return true;
}

void RotatorLink::StopTimeout() { s_.timers.Stop(StationTimer::RotatorTimeout); }

void RotatorLink::ClosePortNow() {
    std::shared_ptr<SerialPort> port;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        dialogue_ = Dialogue{};
        port = std::move(port_);
    }
    s_.timers.Stop(StationTimer::RotatorTimeout);
    if (port) {
        port->Purge();
        port->Close();
    }
}

void RotatorLink::CloseRotatorPort() {
    s_.waits.Sleep(kClosePortSettleMs);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        hasPending_ = false;
    }
    ClosePortNow();
}

void RotatorLink::OnTimeout() {
    std::function<void()> stop;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop = hooks_.stopTrackingLoop;
    }
    if (stop) stop();
    CloseRotatorPort();
    if (s_.playErrorSound) s_.playErrorSound();
    s_.notices.Show(kRotatorTimedOutText, kRotatorProblemCaption, NoticeIcon::Exclamation);
}

void RotatorLink::StartReader() {
    std::shared_ptr<SerialPort> port;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        port = port_;
    }
    if (!port) return;
    std::lock_guard<std::mutex> lock(readerMutex_);
    if (readerPort_ == port) return;  // already read by the running reader
    if (reader_.joinable()) {
        // The old reader's port is closed, so it ends within one read.
        if (reader_.get_id() == std::this_thread::get_id()) {
            reader_.detach();
        } else {
            reader_.join();
        }
    }
    readerPort_ = port;
    reader_ = std::thread([this, port] { ReaderLoop(port); });
}

void RotatorLink::ReaderLoop(std::shared_ptr<SerialPort> port) {
    LineFramer framer(TerminatorsOf(Type()), kRotatorLineBuffer);
    uint8_t byte = 0;
    for (;;) {
        const SerialRead read = port->ReadByte(byte, kReadSliceMs);
        if (read == SerialRead::Closed) break;
        if (read == SerialRead::TimedOut || !framer.Feed(byte)) continue;
        HandleLine(framer.Line());
    }
    // A selection that waited for the dialogue gets the port now.
    PendingSelection next;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!hasPending_ || port_ || dialogue_.state != 0) return;
        hasPending_ = false;
        next = pending_;
    }
    SelectFrequency(next.uplink, next.selection, next.hz);
}

void RotatorLink::HandleLine(std::string_view line) {
    DialogueActions actions;
    RotatorLinkHooks hooks;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        hooks = hooks_;
        if (dialogue_.state != 0) actions = OnDialogueLine(dialogue_, line);
    }
    if (IsEasyComm(Type())) {
        if (std::optional<ReadBackToken> token = ParseReadBack(line); token && hooks.readBack) {
            readBack_[token->azimuth ? 0 : 1] = token->degrees;
            hooks.readBack(readBack_[0], readBack_[1]);
        }
        return;
    }
    Perform(actions);
}

void RotatorLink::Perform(const DialogueActions& actions) {
    for (const DialogueAction& a : actions) {
        switch (a.kind) {
            case DialogueAction::Kind::Send: Write(a.text); break;
            case DialogueAction::Kind::Pause: s_.waits.Sleep(a.ms); break;
            case DialogueAction::Kind::Done:
                s_.waits.Sleep(kClosePortSettleMs);
                ClosePortNow();
                break;
            case DialogueAction::Kind::StopTracking: {
                std::function<void()> stop;
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    stop = hooks_.stopTrackingLoop;
                }
                if (stop) stop();
                break;
            }
            case DialogueAction::Kind::NotFound:
                s_.notices.Show(kTrakBoxUnknownText, kTrakBoxErrorCaption, NoticeIcon::Exclamation);
                break;
            case DialogueAction::Kind::Listed: {
                std::function<void(const std::string&)> onName;
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    onName = onName_;
                }
                if (onName) onName(a.text);
                break;
            }
        }
    }
}

}  // namespace tarvon
