#include "core/SatelliteConfig.h"

#include <cstdio>
#include <string_view>
#include <variant>

namespace tarvon {
namespace {

using StringField = std::string SatelliteConfig::*;
using DwordField = uint32_t SatelliteConfig::*;
using DoubleField = double SatelliteConfig::*;

struct StringValue {
    StringField field;
    uint32_t bufferSize;
};

// One registry value of the record; the order is the order of the save.
struct SatelliteValue {
    const char* name;
    std::variant<StringValue, DwordField, DoubleField, int> where;  // int: index into uplink/downlink
    uint32_t newDefault = 0;  // for DWORD values
};

constexpr uint32_t kPath = 260;

// The values written before the directories are made.
const SatelliteValue kIdentityValues[] = {
    {"Name", StringValue{&SatelliteConfig::name, 12}},
    {"BBS Callsign", StringValue{&SatelliteConfig::bbsCallsign, 10}},
    {"NUP Callsign", StringValue{&SatelliteConfig::nupCallsign, 10}},
    {"Bdcst Callsign", StringValue{&SatelliteConfig::bdcstCallsign, 10}},
    {"TLM File", StringValue{&SatelliteConfig::tlmFile, kPath}},
    {"Satellite Type", &SatelliteConfig::satelliteType, 0},
    {"State", &SatelliteConfig::state, 0},
    {"Enable SatGate", &SatelliteConfig::enableSatGate, 0},
    {"Program", StringValue{&SatelliteConfig::program, kPath}},
    {"Directory", StringValue{&SatelliteConfig::directory, kPath}},
    {"Pass Check Time", &SatelliteConfig::passCheckTime, 0},
    {"Min Elevation", &SatelliteConfig::minElevation, 0},
    {"Min Pass Time", &SatelliteConfig::minPassTime, 0},
    {"Priority", &SatelliteConfig::priority, 0},
    {"Run", &SatelliteConfig::run, 2},
    {"Start Time", &SatelliteConfig::startTime, kDefaultStartLead},
    {"Pass Checking", &SatelliteConfig::passChecking, 0},
};

// In the order they are made: each parent before its children.
const SatelliteValue kDirectoryValues[] = {
    {"Satellite Directory", StringValue{&SatelliteConfig::satelliteDirectory, kPath}},
    {"Message Directory", StringValue{&SatelliteConfig::messageDirectory, kPath}},
    {"My Message Directory", StringValue{&SatelliteConfig::myMessageDirectory, kPath}},
    {"Image Directory", StringValue{&SatelliteConfig::imageDirectory, kPath}},
    {"Keps Directory", StringValue{&SatelliteConfig::kepsDirectory, kPath}},
    {"Binary Directory", StringValue{&SatelliteConfig::binaryDirectory, kPath}},
    {"DLX Directory", StringValue{&SatelliteConfig::dlxDirectory, kPath}},
    {"Unknown Directory", StringValue{&SatelliteConfig::unknownDirectory, kPath}},
    {"BBS Directory", StringValue{&SatelliteConfig::bbsDirectory, kPath}},
    {"Log Directory", StringValue{&SatelliteConfig::logDirectory, kPath}},
};

// Everything else; "DSP Mode" is handled apart for its fixed 4-byte form.
const SatelliteValue kRadioAndOptionValues[] = {
    {"Uplink 1", 0}, {"Uplink 2", 1}, {"Uplink 3", 2}, {"Uplink 4", 3},
    {"Downlink 1", 4}, {"Downlink 2", 5}, {"Downlink 3", 6}, {"Downlink 4", 7},
    {"Default Uplink", &SatelliteConfig::defaultUplink, 1},
    {"Default Downlink", &SatelliteConfig::defaultDownlink, 1},
    {"Uplink Mode", &SatelliteConfig::uplinkMode, 2},
    {"Downlink Mode", &SatelliteConfig::downlinkMode, 2},
    {"Uplinks", &SatelliteConfig::uplinks, 0},
    {"Uplink IF", &SatelliteConfig::uplinkIf},
    {"Downlink IF", &SatelliteConfig::downlinkIf},
    {"TxBuffer", &SatelliteConfig::txBuffer, 4096},
    {"RxBuffer", &SatelliteConfig::rxBuffer, 16384},
    {"Port", &SatelliteConfig::port, 1},
    {"TNC Type", &SatelliteConfig::tncType, 1},
    {"Speed", &SatelliteConfig::speed, 19200},
    {"Uplink Speed", &SatelliteConfig::uplinkSpeed, 9600},
    {"Tx Tail", &SatelliteConfig::txTail, 30},
    {"Tx Delay", &SatelliteConfig::txDelay, 150},
    {"Retries", &SatelliteConfig::retries, 8},
    {"MaxFrame", &SatelliteConfig::maxFrame, 3},
    {"Retry Time", &SatelliteConfig::retryTime, 3000},
    {"PacLength", &SatelliteConfig::pacLength, 255},
    {"Test SMACK", &SatelliteConfig::testSmack, 0},
    {"Use Clock", &SatelliteConfig::useClock, 0},
    {"Uploading", &SatelliteConfig::uploading, 1},
    {"Auto Freq", &SatelliteConfig::autoFreq, 0},
    {"Log KISS", &SatelliteConfig::logKiss, 0},
    {"Log Telemetry", &SatelliteConfig::logTelemetry, 0},
    {"Grab All", &SatelliteConfig::grabAll, 1},
    {"Block BBS", &SatelliteConfig::blockBbs, 1},
    {"DL Mine", &SatelliteConfig::dlMine, 1},
    {"Run Brisko", &SatelliteConfig::runBrisko, 1},
    {"Auto Fill", &SatelliteConfig::autoFill, 1},
    {"Ack Receipt", &SatelliteConfig::ackReceipt, 0},
    {"Open Pevrin", &SatelliteConfig::openPevrin, 0},
    {"Close Pevrin", &SatelliteConfig::closePevrin, 0},
    {"Change Freq", &SatelliteConfig::changeFreq, 0},
    {"Dir Priority", &SatelliteConfig::dirPriority, 5},
    {"Tail Action", &SatelliteConfig::tailAction, 1},
    {"Bdcst Custom", &SatelliteConfig::bdcstCustom, 2},
    {"Proc Threshold", &SatelliteConfig::procThreshold, 1500},
    {"Update Keps", &SatelliteConfig::updateKeps, 0},
    {"Up-to-date Timeout", &SatelliteConfig::upToDateTimeout, 0},
    {"Inactivity Timeout", &SatelliteConfig::inactivityTimeout, 0},
    {"New Pass Check", &SatelliteConfig::newPassCheck, 0},
    {"SatGate Callsign", StringValue{&SatelliteConfig::satGateCallsign, 10}},
    {"SatGate Collect", StringValue{&SatelliteConfig::satGateCollect, 100}},
    {"SatGate Priority", &SatelliteConfig::satGatePriority, 9},
};

constexpr const char* kDspModeName = "DSP Mode";
constexpr uint32_t kDspModeBytes = 4;
constexpr uint32_t kDspModeBuffer = 8;

double& Frequency(SatelliteConfig& c, int index) {
    return index < 4 ? c.uplink[index] : c.downlink[index - 4];
}

template <typename Table, typename Visit>
void ForEach(const Table& table, Visit visit) {
    for (const SatelliteValue& value : table) visit(value);
}

void ReadValue(RegKey& key, const SatelliteValue& value, SatelliteConfig& c) {
    if (auto* s = std::get_if<StringValue>(&value.where)) {
        RegReadString(key, value.name, c.*(s->field), s->bufferSize);
    } else if (auto* d = std::get_if<DwordField>(&value.where)) {
        RegReadDword(key, value.name, c.**d);
    } else if (auto* f = std::get_if<DoubleField>(&value.where)) {
        RegReadDouble(key, value.name, c.**f);
    } else {
        RegReadDouble(key, value.name, Frequency(c, std::get<int>(value.where)));
    }
}

void WriteValue(RegKey& key, const SatelliteValue& value, SatelliteConfig& c) {
    if (auto* s = std::get_if<StringValue>(&value.where)) {
        // Never more than the field holds, so every reader's buffer fits it.
        const std::string& text = c.*(s->field);
        RegWriteString(key, value.name, std::string_view(text).substr(0, s->bufferSize - 1));
    } else if (auto* d = std::get_if<DwordField>(&value.where)) {
        RegWriteDword(key, value.name, c.**d);
    } else if (auto* f = std::get_if<DoubleField>(&value.where)) {
        RegWriteDouble(key, value.name, c.**f);
    } else {
        RegWriteDouble(key, value.name, Frequency(c, std::get<int>(value.where)));
    }
}

void SetDefault(const SatelliteValue& value, SatelliteConfig& c) {
    if (auto* d = std::get_if<DwordField>(&value.where)) c.**d = value.newDefault;
}

void WriteDspMode(RegKey& key, const std::string& mode) {
    uint8_t bytes[kDspModeBytes] = {};
    for (size_t i = 0; i < mode.size() && i < kDspModeBytes; ++i) bytes[i] = static_cast<uint8_t>(mode[i]);
    key.WriteValue(kDspModeName, RegType::Sz, bytes, kDspModeBytes);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char ch) { return (ch >= 'A' && ch <= 'Z') ? char(ch - 'A' + 'a') : ch; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

std::unique_ptr<SatelliteConfig> NewSatelliteConfig() {
    auto config = std::make_unique<SatelliteConfig>();
    ForEach(kIdentityValues, [&](const SatelliteValue& s) { SetDefault(s, *config); });
    ForEach(kRadioAndOptionValues, [&](const SatelliteValue& s) { SetDefault(s, *config); });
    return config;
}

std::string ReadDspMode(RegKey& key) {
    std::string mode;
    RegReadString(key, kDspModeName, mode, kDspModeBuffer);
    if (mode.size() > kDspModeBytes) mode.resize(kDspModeBytes);
    return mode;
}

std::unique_ptr<SatelliteConfig> LoadSatelliteConfig(RegKey& key) {
    auto config = std::make_unique<SatelliteConfig>();
    config->isExisting = 1;
    config->accepted = 0;
    ForEach(kIdentityValues, [&](const SatelliteValue& s) { ReadValue(key, s, *config); });
    ForEach(kDirectoryValues, [&](const SatelliteValue& s) { ReadValue(key, s, *config); });
    ForEach(kRadioAndOptionValues, [&](const SatelliteValue& s) { ReadValue(key, s, *config); });
    config->dspMode = ReadDspMode(key);
    return config;
}

int SaveSatelliteConfig(RegKey& key, SatelliteConfig* config, Notices& notices) {
    if (!config) return 0;
    ForEach(kIdentityValues, [&](const SatelliteValue& s) { WriteValue(key, s, *config); });
    if (config->satelliteType == 0) {
        ForEach(kDirectoryValues, [&](const SatelliteValue& s) {
            std::string& path = config->*(std::get<StringValue>(s.where).field);
            if (!path.empty()) EnsureDirectory(path, notices);
        });
    }
    ForEach(kDirectoryValues, [&](const SatelliteValue& s) { WriteValue(key, s, *config); });
    ForEach(kRadioAndOptionValues, [&](const SatelliteValue& s) { WriteValue(key, s, *config); });
    WriteDspMode(key, config->dspMode);
    return 1;
}

void ApplyNameDefaults(SatelliteConfig& c, const std::string& kovaDirectory) {
    c.satelliteDirectory = kovaDirectory + "\\" + c.name;
    const std::string s = c.satelliteDirectory + "\\";
    c.messageDirectory = s + "Msgs";
    c.myMessageDirectory = s + "MyMsgs";
    c.imageDirectory = s + "Images";
    c.kepsDirectory = s + "Keps";
    c.binaryDirectory = s + "Binary";
    c.dlxDirectory = s + "DLX";
    c.unknownDirectory = s + "Unknown";
    c.bbsDirectory = s + "BBS";
    c.logDirectory = s + "Logs";
    if (c.satelliteType == 0) c.program = kovaDirectory + "\\VANT.EXE %S";
}

int FindSatelliteKey(Registry& registry, const std::string& name, std::string& path) {
    return ForEachSubkey(registry, RegRoot::LocalMachine, kSatellitesKeyPath, kMaxSatelliteKeys,
                         [&](const std::string& subkey, RegKey& key) {
                             // Longer than the enumeration buffer holds.
                             if (subkey.size() > 19) return false;
                             std::string stored;
                             RegReadString(key, "Name", stored, 13);
                             if (!EqualsIgnoringCase(stored, name)) return false;
                             path = SubkeyPath(kSatellitesKeyPath, subkey);
                             return true;
                         })
               ? 1
               : 0;
}

std::string CreateSatelliteKey(Registry& registry, const std::string& name) {
    return CreateNewSubkey(registry, RegRoot::LocalMachine, kSatellitesKeyPath, name);
}

namespace {

template <typename Keep>
std::vector<std::string> NamesOfKeys(Registry& registry, Keep keep) {
    std::vector<std::string> names;
    ForEachSubkey(registry, RegRoot::LocalMachine, kSatellitesKeyPath, kMaxSatelliteKeys,
                  [&](const std::string&, RegKey& key) {
                      std::string name;
                      if (RegReadString(key, "Name", name, 13) && !name.empty() && keep(key)) names.push_back(name);
                      return false;
                  });
    return names;
}

}  // namespace

std::vector<std::string> SatelliteNames(Registry& registry) {
    return NamesOfKeys(registry, [](RegKey&) { return true; });
}

std::vector<std::string> PacsatSatelliteNames(Registry& registry) {
    return NamesOfKeys(registry, [](RegKey& key) {
        uint32_t type = 0;
        RegReadDword(key, "Satellite Type", type);
        return type == 0;
    });
}

std::string SatelliteDirectoryOf(Registry& registry, const std::string& name) {
    std::string path, directory;
    if (!FindSatelliteKey(registry, name, path)) return directory;
    if (auto key = registry.Open(RegRoot::LocalMachine, path)) RegReadString(*key, "Satellite Directory", directory, 260);
    return directory;
}

int DeleteSatellite(Registry& registry, const std::string& name) {
    std::string path;
    if (!FindSatelliteKey(registry, name, path)) return 0;
    return registry.DeleteKey(RegRoot::LocalMachine, path) == RegStatus::Ok ? 1 : 0;
}

}  // namespace tarvon
