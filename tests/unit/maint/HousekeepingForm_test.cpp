#include "maint/HousekeepingForm.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tarvon {
namespace {

HousekeepingForm Filled() {
    HousekeepingRules rules;
    rules.deleteDlx = 1;
    rules.pfhAction = 1;
    rules.keepPfhFiles = 5;
    return HousekeepingFormFor(rules);
}

TEST(HousekeepingForm, RulesAndTheSatelliteToCleanAreRead) {
    HousekeepingForm form = Filled();
    form.oldestMessages = "0";
    form.allSatellites = false;
    form.satelliteSelected = true;
    form.satellite = "UO-22";
    HousekeepingRules rules;
    std::optional<std::string> satellite;
    ASSERT_FALSE(ReadHousekeepingForm(form, rules, satellite));
    EXPECT_EQ(std::tuple(rules.deleteDlx, rules.deleteAct, rules.pfhAction, rules.keepPfhFiles, rules.oldestMessages),
              std::tuple(1u, 0u, 1u, 5u, 0u));
    EXPECT_EQ(satellite, "UO-22");
}

// A missing satellite and an age that is no number are refused in
// e2e.suite_events_housekeeping; here, the ranges.
TEST(HousekeepingForm, NothingRunsOnANumberOutOfItsRange) {
    const struct {
        std::string HousekeepingForm::*text;
        const char* value;
        int field;
    } cases[] = {
        {&HousekeepingForm::oldestFiles, "100", kFieldOldestFiles},
        {&HousekeepingForm::oldestMessages, "-1", kFieldOldestMessages},
        {&HousekeepingForm::keepPfhFiles, "100", kFieldKeepPfhFiles},
    };
    for (const auto& c : cases) {
        HousekeepingForm form = Filled();
        form.*c.text = c.value;
        HousekeepingRules rules;
        rules.oldestFiles = 77;
        std::optional<std::string> satellite;
        const auto problem = ReadHousekeepingForm(form, rules, satellite);
        ASSERT_TRUE(problem) << c.value;
        EXPECT_EQ(problem->field, c.field);
        EXPECT_EQ(rules.oldestFiles, 77u);
    }
}

}  // namespace
}  // namespace tarvon
