#include "core/SuiteSetupForms.h"

#include <gtest/gtest.h>

#include "core/CompanionSettings.h"
#include "platform/memory/MemoryRegistry.h"

namespace tarvon {
namespace {

GeneralSetupForm GoodGeneralForm() {
    GeneralSetupForm form;
    form.popUpMinutes = "5";
    form.passEndSeconds = "20";
    form.scheduleDays = "3";
    form.localTime = true;
    form.kovaDirectory = "C:\\KOVA\\";
    return form;
}

// A suite directory too long or not a name is refused in e2e.suite_setup_dialogs.
TEST(GeneralSetupForm, BadFieldsAreRefusedAndNothingChanges) {
    const struct {
        std::string GeneralSetupForm::*text;
        std::string value;
        int field;
    } cases[] = {
        {&GeneralSetupForm::popUpMinutes, "x", kFieldPopUpTime},
        {&GeneralSetupForm::passEndSeconds, "-1", kFieldPassEndTime},
        {&GeneralSetupForm::passEndSeconds, "100", kFieldPassEndTime},
        {&GeneralSetupForm::scheduleDays, "0", kFieldScheduleDays},
    };
    for (const auto& c : cases) {
        GeneralSetupForm form = GoodGeneralForm();
        form.*c.text = c.value;
        GeneralSettings general;
        std::string directory = "kept";
        const auto problem = ReadGeneralSetupForm(form, general, directory);
        ASSERT_TRUE(problem) << c.value;
        EXPECT_EQ(problem->field, c.field) << c.value;
        EXPECT_EQ(general.popUpTime, 180u) << c.value;
        EXPECT_EQ(directory, "kept") << c.value;
    }
}

TEST(CompanionSetupForms, StoredValuesShowAsTheirListPositions) {
    const std::pair<uint32_t, int> switching[] = {{0, 0}, {2, 2}, {3, 1}, {7, 1}};
    for (auto [stored, shown] : switching) EXPECT_EQ(SwitchingListIndex(stored), shown) << stored;
    const std::pair<uint32_t, int> compression[] = {{0, 0}, {1, 0}, {2, 1}, {3, 2}, {9, 0}};
    for (auto [stored, shown] : compression) EXPECT_EQ(CompressionListIndex(stored), shown) << stored;
    const std::pair<int, uint32_t> chosen[] = {{0, 0}, {1, 2}, {2, 3}, {-1, 0}};
    for (auto [index, stored] : chosen) EXPECT_EQ(CompressionTypeValue(index), stored) << index;
    const std::pair<uint32_t, int> keps[] = {{0, 0}, {1, 1}, {3, 3}, {4, 0}};
    for (auto [stored, button] : keps) EXPECT_EQ(UpdateKepsButton(stored), button) << stored;
}

TEST(CompanionSetupForms, SpacecraftChoiceFallsBackToAll) {
    const auto choices = SpacecraftChoices({"AO-16", "UO-22"});
    const std::pair<std::string, size_t> cases[] = {{"UO-22", 1}, {"uo-22", 2}, {"", 2}, {"GONE", 2}};
    for (const auto& [stored, index] : cases) EXPECT_EQ(SpacecraftChoiceIndex(choices, stored), index) << stored;
}

TEST(CompanionSetupForms, BriskoKeepsAnUnknownUpdateRuleAndStoresAllAsEmpty) {
    BriskoSettings settings;
    settings.updateKeps = 7;
    BriskoSetupForm form;
    form.spacecraft = kAllSpacecraft;
    ASSERT_FALSE(ReadBriskoSetupForm(form, settings));
    EXPECT_EQ(settings.updateKeps, 7u);
    EXPECT_EQ(settings.updateSpacecraft, "");
    form.updateKepsButton = 2;
    form.updateCallsign = "G0ABCDEFGH";  // ten characters: one too many
    EXPECT_TRUE(ReadBriskoSetupForm(form, settings));
    EXPECT_EQ(settings.updateKeps, 7u);
}

// An empty number keeping the stored one is e2e.suite_setup_dialogs'.
TEST(CompanionSetupForms, PevrinNumberBeyondItsRangeIsRefused) {
    PevrinSettings settings;
    PevrinSetupForm form = PevrinSetupFormFor(settings);
    form.maximumPfhFiles = "1000";
    const auto problem = ReadPevrinSetupForm(form, settings);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, kFieldMaximumPfhFiles);
}

TEST(CompanionSetupForms, ScrivetTextsLongerThanTheirFieldsAreRefused) {
    const struct {
        std::string ScrivetSetupForm::*text;
        size_t length;
        int field;
    } cases[] = {
        {&ScrivetSetupForm::signature, 13, kFieldSignature},
        {&ScrivetSetupForm::editor, 300, kFieldEditor},
        {&ScrivetSetupForm::sourceSaveDirectory, 300, kFieldSourceSaveDirectory},
    };
    for (const auto& c : cases) {
        ScrivetSettings settings;
        ScrivetSetupForm form = ScrivetSetupFormFor(settings);
        form.*c.text = std::string(c.length, 'a');
        const auto problem = ReadScrivetSetupForm(form, settings);
        ASSERT_TRUE(problem) << c.field;
        EXPECT_EQ(problem->field, c.field);
        EXPECT_EQ(settings.greeting, "Hello");
    }
}

// The compression value stored is e2e.suite_setup_dialogs'.
TEST(CompanionSetupForms, ScrivetSaveKeepsALongSignature) {
    MemoryRegistry registry;
    RegWriteString(*registry.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Scrivet"), "Signature",
                   "A-LONGER-NAME.SIG");  // written by another program
    ScrivetSettings settings = LoadScrivetSettings(registry);
    ASSERT_FALSE(ReadScrivetSetupForm(ScrivetSetupFormFor(settings), settings));
    SaveScrivetSettings(registry, settings);
    EXPECT_EQ(LoadScrivetSettings(registry).signature, "A-LONGER-NAME.SIG");
}

}  // namespace
}  // namespace tarvon
