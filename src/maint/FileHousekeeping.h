#pragma once
// File housekeeping: deletes the files that the companion programs leave in
// each satellite's directories, by age, and trims the numbered header files
// ("VANT%04d.PFH") to the newest few.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvon {

class Registry;
class RegKey;

// The rules under SOFTWARE\Kova\Tarvon; a missing value keeps its default.
struct HousekeepingRules {
    uint32_t oldestFiles = 10;     // days, for DLX, ACT/HOL and UL
    uint32_t oldestMessages = 10;  // days, for DLM and PFH in the message directories
    uint32_t keepPfhFiles = 10;    // numbered header files kept per satellite
    uint32_t deleteDlx = 0;
    uint32_t deleteMsg = 0;
    uint32_t deleteMyMsg = 0;
    uint32_t deleteAct = 0;
    uint32_t deleteUl = 0;
    uint32_t pfhAction = 0;  // 1 = delete the oldest numbered header files
};

HousekeepingRules LoadHousekeepingRules(Registry& registry);
void SaveHousekeepingRules(Registry& registry, const HousekeepingRules& rules);

// Cleans the directories of the satellite whose Name is `satelliteName`
// (exact compare), or of every satellite when none is given. Returns the
// number of deletion attempts, whether or not each file could be deleted.
uint32_t RunFileHousekeeping(Registry& registry, int32_t now,
                             std::optional<std::string_view> satelliteName);

}  // namespace tarvon
