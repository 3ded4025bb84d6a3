#include "schedule/SatelliteEdits.h"

#include "schedule/ScheduleBuilder.h"
#include "schedule/SchedulerEngine.h"

namespace tarvon {
namespace {

bool NameTaken(Registry& registry, const std::string& name, const std::string& ownPath) {
    std::string path;
    return FindSatelliteKey(registry, name, path) && path != ownPath;
}

SatelliteSave Write(const SatelliteStore& store, const std::string& path, SatelliteConfig& config) {
    auto key = path.empty() ? nullptr : store.registry.Open(RegRoot::LocalMachine, path);
    if (!key) return SatelliteSave::Failed;
    const int saved = store.schedule ? SaveSatellite(*store.schedule, *key, &config)
                                     : SaveSatelliteConfig(*key, &config, store.notices);
    return saved ? SatelliteSave::Saved : SatelliteSave::Failed;
}

}  // namespace

SatelliteSave CreateSatellite(const SatelliteStore& store, SatelliteConfig& config) {
    if (NameTaken(store.registry, config.name, "")) return SatelliteSave::DuplicateName;
    return Write(store, CreateSatelliteKey(store.registry, config.name), config);
}

SatelliteSave SaveEditedSatellite(const SatelliteStore& store, const std::string& keyPath,
                                  const std::string& previousName, SatelliteConfig& config) {
    if (NameTaken(store.registry, config.name, keyPath)) return SatelliteSave::DuplicateName;
    // The old name leaves the schedule only when the new one is written.
    if (!store.registry.Open(RegRoot::LocalMachine, keyPath)) return SatelliteSave::Failed;
    if (store.schedule && config.name != previousName) UnscheduleSatellite(*store.schedule, previousName);
    return Write(store, keyPath, config);
}

bool RemoveSatellite(const SatelliteStore& store, const std::string& name) {
    if (!DeleteSatellite(store.registry, name)) return false;
    if (store.schedule) {
        UnscheduleSatellite(*store.schedule, name);
        RunScheduler(*store.schedule);
    }
    return true;
}

}  // namespace tarvon
