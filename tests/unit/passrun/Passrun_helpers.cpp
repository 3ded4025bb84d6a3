#include "Passrun_helpers.h"

#include "core/SatelliteConfig.h"

namespace tarvon::testing {

std::string PassrunStation::AddSatellite(const std::string& key, const std::string& name,
                                         const std::string& program) {
    const std::string path = std::string(kSatellitesKeyPath) + "\\" + key;
    auto k = registry.Create(RegRoot::LocalMachine, path);
    RegWriteString(*k, "Name", name);
    RegWriteString(*k, "Program", program);
    return path;
}

std::unique_ptr<RegKey> PassrunStation::AddEvent(const EventKey& e) {
    auto k = registry.Create(RegRoot::LocalMachine, std::string(kEventsKeyPath) + "\\" + (e.key.empty() ? e.name : e.key));
    RegWriteString(*k, "Name", e.name);
    RegWriteDword(*k, "Run", e.run);
    RegWriteDword(*k, "Time", e.time);
    RegWriteDword(*k, "Associate", e.associate);
    if (!e.program.empty()) RegWriteString(*k, "Program", e.program);
    RegWriteString(*k, "Satellite", e.satellite);
    RegWriteDword(*k, "Active", e.active);
    RegWriteDword(*k, "Display", e.display);
    return k;
}

std::optional<uint32_t> PassrunStation::EventValue(const std::string& key, const char* value) {
    auto k = registry.Open(RegRoot::LocalMachine, std::string(kEventsKeyPath) + "\\" + key);
    uint32_t v = 0;
    if (!k || !RegReadDword(*k, value, v)) return std::nullopt;
    return v;
}

}  // namespace tarvon::testing
