#include "maint/FileHousekeeping.h"

#include <memory>

#include "core/RegistryKeys.h"
#include "maint/HousekeepingFiles.h"
#include "platform/Registry.h"

namespace tarvon {
namespace {

constexpr uint32_t kNameBuffer = 14;
constexpr uint32_t kDirectoryBuffer = 260;
constexpr int64_t kSecondsPerDay = 86400;

struct RuleValue {
    const char* name;
    uint32_t HousekeepingRules::*field;
};

constexpr RuleValue kRuleValues[] = {
    {"FH Oldest Files", &HousekeepingRules::oldestFiles},
    {"FH Oldest Messages", &HousekeepingRules::oldestMessages},
    {"FH Keep PFH Files", &HousekeepingRules::keepPfhFiles},
    {"FH Delete DLX", &HousekeepingRules::deleteDlx},
    {"FH Delete MSG", &HousekeepingRules::deleteMsg},
    {"FH Delete MYMSG", &HousekeepingRules::deleteMyMsg},
    {"FH Delete ACT", &HousekeepingRules::deleteAct},
    {"FH Delete UL", &HousekeepingRules::deleteUl},
    {"FH PFH Action", &HousekeepingRules::pfhAction},
};

std::string ReadDirectory(RegKey& key, const char* value) {
    std::string directory;
    RegReadString(key, value, directory, kDirectoryBuffer);
    return directory;
}

uint32_t CleanSatellite(RegKey& satellite, const HousekeepingRules& rules, int64_t fileCutoff,
                        int64_t messageCutoff) {
    uint32_t attempts = 0;
    std::string dlx = ReadDirectory(satellite, "DLX Directory");
    if (rules.deleteDlx && !dlx.empty()) attempts += DeleteFilesOlderThan(dlx, "DLX", fileCutoff);

    for (auto [flag, value] : {std::pair{rules.deleteMsg, "Message Directory"},
                               std::pair{rules.deleteMyMsg, "My Message Directory"}}) {
        std::string messages = ReadDirectory(satellite, value);
        if (!flag || messages.empty()) continue;
        attempts += DeleteFilesOlderThan(messages, "DLM", messageCutoff);
        attempts += DeleteFilesOlderThan(messages, "PFH", messageCutoff);
    }

    std::string own = ReadDirectory(satellite, "Satellite Directory");
    if (own.empty()) return attempts;
    if (rules.deleteAct) {
        attempts += DeleteFilesOlderThan(own, "ACT", fileCutoff);
        attempts += DeleteFilesOlderThan(own, "HOL", fileCutoff);
    }
    if (rules.deleteUl) attempts += DeleteFilesOlderThan(own, "UL", fileCutoff);
    if (rules.pfhAction == 1) attempts += TrimNumberedHeaderFiles(own, rules.keepPfhFiles);
    return attempts;
}

}  // namespace

HousekeepingRules LoadHousekeepingRules(Registry& registry) {
    HousekeepingRules rules;
    std::unique_ptr<RegKey> key = registry.Open(RegRoot::LocalMachine, kTarvonKeyPath);
    if (!key) return rules;
    for (const RuleValue& value : kRuleValues) RegReadDword(*key, value.name, rules.*value.field);
    return rules;
}

void SaveHousekeepingRules(Registry& registry, const HousekeepingRules& rules) {
    std::unique_ptr<RegKey> key = registry.Create(RegRoot::LocalMachine, kTarvonKeyPath);
    if (!key) return;
    for (const RuleValue& value : kRuleValues) RegWriteDword(*key, value.name, rules.*value.field);
}

uint32_t RunFileHousekeeping(Registry& registry, int32_t now,
                             std::optional<std::string_view> satelliteName) {
    const HousekeepingRules rules = LoadHousekeepingRules(registry);
    const int64_t fileCutoff = now - static_cast<int64_t>(rules.oldestFiles) * kSecondsPerDay;
    const int64_t messageCutoff = now - static_cast<int64_t>(rules.oldestMessages) * kSecondsPerDay;

    uint32_t attempts = 0;
    ForEachSubkey(registry, RegRoot::LocalMachine, kSatellitesKeyPath, kMaxSatelliteKeys,
                  [&](const std::string&, RegKey& satellite) {
                      std::string name;
                      RegReadString(satellite, "Name", name, kNameBuffer);
                      if (satelliteName && name != *satelliteName) return false;
                      attempts += CleanSatellite(satellite, rules, fileCutoff, messageCutoff);
                      return satelliteName.has_value();
                  });
    return attempts;
}

}  // namespace tarvon
