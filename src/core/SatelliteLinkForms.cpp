#include "core/SatelliteLinkForms.h"

#include <iterator>
#include <limits>

#include "core/Directories.h"

namespace tarvon {
namespace {

constexpr Choice kTncTypes[] = {{"TNC-2", 1},       {"PK-232", 2},   {"DSP-12", 3}, {"DSP-2232", 4},
                                {"TheFirmWare", 5}, {"KPC-9612", 6}, {"PK-900", 7}, {"None", 8}};
constexpr Choice kPorts[] = {{"COM1", 1}, {"COM2", 2}, {"COM3", 3}, {"COM4", 4}};
constexpr Choice kSpeeds[] = {{"1200", 1200},   {"2400", 2400},   {"4800", 4800},
                              {"9600", 9600},   {"19200", 19200}, {"38400", 38400},
                              {"57600", 57600}, {"76800", 76800}, {"115200", 115200}};
// The radio link has no 115200 bit/s.
constexpr std::span<const Choice> kUplinkSpeeds(kSpeeds, std::size(kSpeeds) - 1);
constexpr Choice kCustomisations[] = {{"Don't interrupt directory", 1},
                                      {"Interrupt Dir for MY files", 2},
                                      {"Interrupt Dir for ANY files", 3},
                                      {"Interrupt when not in queue", 4}};
constexpr Choice kTailActions[] = {{"Send new request", 1}, {"Randomly send request", 2}, {"Nothing", 3}};
constexpr Choice kDirPriorities[] = {{"Priority", 9}, {"Auto", 8},  {"Auto1", 7},
                                     {"Auto2", 6},    {"Auto3", 5}, {"Grab", 4}};
constexpr Choice kMailPriorities[] = {{"Mine", 10}, {"Priority", 9}, {"Auto", 8},
                                      {"Auto1", 7}, {"Auto2", 6},    {"Auto3", 5}};

constexpr uint32_t kAnyNumber = std::numeric_limits<uint32_t>::max();
constexpr uint32_t kMillisecondsPerSecond = 1000;
constexpr uint32_t kLongestRetrySeconds = 60;

// The directories in the order the page shows them.
constexpr struct {
    const char* label;
    std::string SatelliteConfig::*field;
} kDirectories[kSatelliteDirectoryCount] = {
    {"Satellite Directory", &SatelliteConfig::satelliteDirectory},
    {"Message Directory", &SatelliteConfig::messageDirectory},
    {"My Messages Directory", &SatelliteConfig::myMessageDirectory},
    {"Binary Directory", &SatelliteConfig::binaryDirectory},
    {"Keps Directory", &SatelliteConfig::kepsDirectory},
    {"Image Directory", &SatelliteConfig::imageDirectory},
    {"Log File Directory", &SatelliteConfig::logDirectory},
    {"Unknown directory", &SatelliteConfig::unknownDirectory},
    {"DLX Directory", &SatelliteConfig::dlxDirectory},
    {"BBS Directory", &SatelliteConfig::bbsDirectory},
};

// In the order of VantForm::options.
constexpr uint32_t SatelliteConfig::*kVantOptions[kVantOptionCount] = {
    &SatelliteConfig::useClock,    &SatelliteConfig::uploading,  &SatelliteConfig::autoFreq,
    &SatelliteConfig::logKiss,     &SatelliteConfig::logTelemetry, &SatelliteConfig::grabAll,
    &SatelliteConfig::blockBbs,    &SatelliteConfig::dlMine,     &SatelliteConfig::runBrisko,
    &SatelliteConfig::autoFill,    &SatelliteConfig::ackReceipt, &SatelliteConfig::openPevrin,
    &SatelliteConfig::closePevrin, &SatelliteConfig::updateKeps, &SatelliteConfig::newPassCheck,
};

// The largest number an edit of that many digits takes.
constexpr uint32_t Largest(size_t digits) { return digits == 0 ? 0 : Largest(digits - 1) * 10 + 9; }

uint32_t Within(uint32_t value, uint32_t low, uint32_t high, uint32_t otherwise) {
    return value >= low && value <= high ? value : otherwise;
}

// The stored number of a list position; `kept` when nothing is chosen.
uint32_t Chosen(SatelliteList list, int position, uint32_t kept) {
    const std::span<const Choice> choices = ChoicesOf(list);
    return position >= 0 && static_cast<size_t>(position) < choices.size() ? choices[position].stored : kept;
}

// The position of a stored choice, or of a new satellite's when the list lacks it.
int ShownChoice(SatelliteList list, const SatelliteConfig& c, uint32_t SatelliteConfig::*field) {
    const int position = ChoicePosition(list, c.*field);
    return position >= 0 ? position : ChoicePosition(list, (*NewSatelliteConfig()).*field);
}

// A number the page corrects when the TNC cannot use it: any 32-bit whole
// number is taken; only text that is no such number is refused.
auto CorrectedNumber(int field, const char* label, const std::string& text, uint32_t& value) {
    return CheckField(field, [=, &text, &value]() -> std::optional<std::string> {
        if (!CheckWholeNumber(label, text, 0, kAnyNumber, value)) return std::nullopt;
        return std::string(label) + " must be a whole number.";
    });
}

// The mode name goes to the modem byte for byte, in a 4-byte value: a
// character beyond ASCII would be cut in two.
std::optional<std::string> CheckDspMode(const std::string& text) {
    if (auto problem = CheckText("DSP Mode", text, link_limits::kDspMode, false)) return problem;
    for (char c : text) {
        if (static_cast<unsigned char>(c) > 0x7E) return std::string("DSP Mode can hold only plain ASCII characters.");
    }
    return std::nullopt;
}

std::string UpperCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

}  // namespace

std::span<const Choice> ChoicesOf(SatelliteList list) {
    switch (list) {
    case SatelliteList::TncType: return kTncTypes;
    case SatelliteList::Port: return kPorts;
    case SatelliteList::Speed: return kSpeeds;
    case SatelliteList::UplinkSpeed: return kUplinkSpeeds;
    case SatelliteList::Customisation: return kCustomisations;
    case SatelliteList::TailAction: return kTailActions;
    case SatelliteList::DirPriority: return kDirPriorities;
    case SatelliteList::MailPriority: return kMailPriorities;
    }
    return {};
}

int ChoicePosition(SatelliteList list, uint32_t stored) {
    const std::span<const Choice> choices = ChoicesOf(list);
    for (size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].stored == stored) return static_cast<int>(i);
    }
    return -1;
}

std::vector<std::string> ChoiceNames(SatelliteList list) {
    std::vector<std::string> names;
    for (const Choice& choice : ChoicesOf(list)) names.emplace_back(choice.name);
    return names;
}

TncForm TncFormFor(const SatelliteConfig& c) {
    TncForm form;
    form.tncType = ChoicePosition(SatelliteList::TncType, c.tncType);
    form.port = ChoicePosition(SatelliteList::Port, c.port);
    form.speed = ChoicePosition(SatelliteList::Speed, c.speed);
    form.uplinkSpeed = ChoicePosition(SatelliteList::UplinkSpeed, c.uplinkSpeed);
    form.txBuffer = std::to_string(c.txBuffer);
    form.rxBuffer = std::to_string(c.rxBuffer);
    form.maxFrame = std::to_string(c.maxFrame);
    form.retries = std::to_string(c.retries);
    form.retrySeconds = std::to_string(c.retryTime / kMillisecondsPerSecond);
    form.txDelay = std::to_string(c.txDelay);
    form.txTail = std::to_string(c.txTail);
    form.packetLength = std::to_string(c.pacLength);
    form.testSmack = c.testSmack != 0;
    form.dspMode = c.dspMode;
    return form;
}

std::optional<FieldProblem> ReadTncForm(const TncForm& f, SatelliteConfig& c) {
    uint32_t tx = 0, rx = 0, maxFrame = 0, retries = 0, seconds = 0, delay = 0, tail = 0, length = 0;
    if (auto problem = FirstProblem(
            CorrectedNumber(kTncTxBuffer, "TX Buffer Size", f.txBuffer, tx),
            CorrectedNumber(kTncRxBuffer, "RX Buffer Size", f.rxBuffer, rx),
            CheckNumberField(kTncMaxFrame, "Maxframe", f.maxFrame, 0, Largest(link_limits::kMaxFrame), maxFrame),
            CheckNumberField(kTncRetries, "Retries", f.retries, 0, Largest(link_limits::kRetries), retries),
            CorrectedNumber(kTncRetryTime, "Retry time", f.retrySeconds, seconds),
            CorrectedNumber(kTncTxDelay, "TX Delay", f.txDelay, delay),
            CorrectedNumber(kTncTxTail, "TX Tail", f.txTail, tail),
            CorrectedNumber(kTncPacketLength, "Packet Length", f.packetLength, length),
            CheckField(kTncDspMode, [&f] { return CheckDspMode(f.dspMode); }))) {
        return problem;
    }
    c.tncType = Chosen(SatelliteList::TncType, f.tncType, c.tncType);
    c.port = Chosen(SatelliteList::Port, f.port, c.port);
    c.speed = Chosen(SatelliteList::Speed, f.speed, c.speed);
    c.uplinkSpeed = Chosen(SatelliteList::UplinkSpeed, f.uplinkSpeed, c.uplinkSpeed);
    c.txBuffer = Within(tx, 256, 32767, 2047);
    c.rxBuffer = Within(rx, 256, 32767, 8192);
    c.maxFrame = maxFrame;
    c.retries = retries;
    // The page shows whole seconds: a stored 3500 ms left as shown stays 3500.
    const bool asShown = seconds == c.retryTime / kMillisecondsPerSecond &&
                         c.retryTime <= kLongestRetrySeconds * kMillisecondsPerSecond;
    if (!asShown) c.retryTime = Within(seconds, 0, kLongestRetrySeconds, 6) * kMillisecondsPerSecond;
    c.txDelay = Within(delay, 0, 2500, 330);
    c.txTail = Within(tail, 0, 2500, 330);
    c.pacLength = Within(length, 20, 255, 245);
    c.testSmack = f.testSmack ? 1 : 0;
    c.dspMode = f.dspMode;
    return std::nullopt;
}

DirectoriesForm DirectoriesFormFor(const SatelliteConfig& c) {
    DirectoriesForm form;
    for (size_t i = 0; i < kSatelliteDirectoryCount; ++i) form.directories[i] = c.*kDirectories[i].field;
    return form;
}

std::optional<FieldProblem> ReadDirectoriesForm(const DirectoriesForm& form, SatelliteConfig& c) {
    for (size_t i = 0; i < kSatelliteDirectoryCount; ++i) {
        if (auto message = CheckDirectory(kDirectories[i].label, form.directories[i])) {
            return FieldProblem{static_cast<int>(i), *message};
        }
    }
    for (size_t i = 0; i < kSatelliteDirectoryCount; ++i) c.*kDirectories[i].field = form.directories[i];
    return std::nullopt;
}

VantForm VantFormFor(const SatelliteConfig& c) {
    VantForm form;
    for (size_t i = 0; i < kVantOptionCount; ++i) form.options[i] = c.*kVantOptions[i] != 0;
    form.customisation = ShownChoice(SatelliteList::Customisation, c, &SatelliteConfig::bdcstCustom);
    form.tailAction = ShownChoice(SatelliteList::TailAction, c, &SatelliteConfig::tailAction);
    form.dirPriority = ShownChoice(SatelliteList::DirPriority, c, &SatelliteConfig::dirPriority);
    form.inactivityTimeout = std::to_string(c.inactivityTimeout);
    form.upToDateTimeout = std::to_string(c.upToDateTimeout);
    form.procThreshold = std::to_string(c.procThreshold);
    form.changeFreq = std::to_string(c.changeFreq);
    return form;
}

std::optional<FieldProblem> ReadVantForm(const VantForm& f, SatelliteConfig& c) {
    constexpr uint32_t kMinutes = Largest(link_limits::kTimeout);
    uint32_t inactivity = 0, upToDate = 0, threshold = 0, tries = 0;
    if (auto problem = FirstProblem(
            CheckNumberField(kVantInactivity, "Inactivity timeout", f.inactivityTimeout, 0, kMinutes, inactivity),
            CheckNumberField(kVantUpToDate, "Up to date timeout", f.upToDateTimeout, 0, kMinutes, upToDate),
            CheckNumberField(kVantThreshold, "Processing thresh", f.procThreshold, 0,
                             Largest(link_limits::kThreshold), threshold),
            CheckNumberField(kVantChangeFreq, "Change freq after", f.changeFreq, 0, Largest(link_limits::kTries),
                             tries))) {
        return problem;
    }
    for (size_t i = 0; i < kVantOptionCount; ++i) c.*kVantOptions[i] = f.options[i] ? 1 : 0;
    c.bdcstCustom = Chosen(SatelliteList::Customisation, f.customisation, c.bdcstCustom);
    c.tailAction = Chosen(SatelliteList::TailAction, f.tailAction, c.tailAction);
    c.dirPriority = Chosen(SatelliteList::DirPriority, f.dirPriority, c.dirPriority);
    c.inactivityTimeout = inactivity;
    c.upToDateTimeout = upToDate;
    c.procThreshold = threshold;
    c.changeFreq = tries;
    return std::nullopt;
}

SatGateForm SatGateFormFor(const SatelliteConfig& c) {
    return SatGateForm{c.satGateCallsign, c.satGateCollect,
                       ShownChoice(SatelliteList::MailPriority, c, &SatelliteConfig::satGatePriority)};
}

std::optional<FieldProblem> ReadSatGateForm(const SatGateForm& f, SatelliteConfig& c) {
    if (auto problem = FirstProblem(
            CheckField(kSatGateCallsign,
                       [&f] { return CheckText("SatGate Callsign", f.callsign, link_limits::kCallsign, false); }),
            CheckField(kSatGateCollect,
                       [&f] { return CheckText("Collect mail for", f.collect, link_limits::kCollect, false); }))) {
        return problem;
    }
    c.satGateCallsign = UpperCase(f.callsign);
    c.satGateCollect = f.collect;
    c.satGatePriority = Chosen(SatelliteList::MailPriority, f.priority, c.satGatePriority);
    return std::nullopt;
}

}  // namespace tarvon
