#include "hardware/Transverters.h"

#include <memory>
#include <vector>

namespace tarvon {
namespace {

constexpr uint32_t kMaxTransverters = 10000;
// Subkey names as the Transverters page creates them: at most 14 characters.
constexpr size_t kMaxSubkeyName = 14;
constexpr uint32_t kNameBuffer = 15;

}  // namespace

// A 4-byte flag stored as binary (or, written by hand, as a DWORD).
bool TransverterFlagSet(RegKey& key, const char* name) {
    std::vector<uint8_t> bytes;
    if (!RegReadBinary(key, name, bytes, 4) || bytes.empty()) return false;
    uint32_t value = 0;
    for (size_t i = 0; i < bytes.size(); ++i) value |= uint32_t(bytes[i]) << (8 * i);
    return value == 1;
}

void ForEachTransverter(Registry& registry, const std::function<bool(RegKey& key, const std::string& path)>& visit) {
    ForEachSubkey(registry, RegRoot::LocalMachine, kTransvertersKeyPath, kMaxTransverters,
                  [&](const std::string& name, RegKey& key) {
                      return name.size() <= kMaxSubkeyName && visit(key, SubkeyPath(kTransvertersKeyPath, name));
                  });
}

double TransverterOffset(Registry& registry, double mhz, bool transmit) {
    double offset = 0.0;
    ForEachTransverter(registry, [&](RegKey& key, const std::string&) {
        double start = 0.0, finish = 0.0;
        if (!RegReadDouble(key, "Start Freq", start) || !RegReadDouble(key, "Finish Freq", finish)) return false;
        if (mhz < start || mhz > finish) return false;
        if (TransverterFlagSet(key, transmit ? "TX" : "RX")) RegReadDouble(key, transmit ? "TX IF" : "RX IF", offset);
        return true;
    });
    return offset;
}

int FindTransverterKey(Registry& registry, const std::string& name, std::string& path) {
    int found = 0;
    ForEachTransverter(registry, [&](RegKey& key, const std::string& keyPath) {
        std::string stored;
        if (!RegReadString(key, "Name", stored, kNameBuffer) || stored != name) return false;
        path = keyPath;
        found = 1;
        return true;
    });
    return found;
}

}  // namespace tarvon
