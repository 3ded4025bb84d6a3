#include "core/SuiteSetupForms.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/SettingsStore.h"
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

TEST(GeneralSetupForm, TypedValuesAreStoredInTheStationsUnits) {
    GeneralSettings general;
    std::string directory;
    ASSERT_FALSE(ReadGeneralSetupForm(GoodGeneralForm(), general, directory));
    using Units = std::tuple<uint32_t, uint32_t, uint32_t, uint32_t>;
    EXPECT_EQ(Units(general.popUpTime, general.passEndTime, general.scheduleSeconds, general.displayTime),
              Units(300, 20, 3 * 86400, 0));
    EXPECT_EQ(directory, "C:\\KOVA\\");
    MemoryRegistry registry;
    SaveGeneralSetup(registry, general, "C:\\KOVA");
    auto tarvon = registry.Open(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Tarvon");
    uint32_t popUp = 0, days = 0, displayTime = 9;
    ASSERT_TRUE(RegReadDword(*tarvon, "Pop Up Time", popUp));
    ASSERT_TRUE(RegReadDword(*tarvon, "Schedule Days", days));
    ASSERT_TRUE(RegReadDword(*tarvon, "Display Time", displayTime));
    EXPECT_EQ(std::tuple(popUp, days, displayTime), std::tuple(300u, 3u, 0u));
    EXPECT_EQ(StoredKovaDirectory(registry), "C:\\KOVA");
}

// A suite directory too long or not a name is refused in e2e.suite_setup_dialogs.
TEST(GeneralSetupForm, BadFieldsAreRefusedAndNothingChanges) {
    const struct {
        std::string GeneralSetupForm::*text;
        std::string value;
        int field;
    } cases[] = {
        {&GeneralSetupForm::popUpMinutes, "", kFieldPopUpTime},
        {&GeneralSetupForm::popUpMinutes, "x", kFieldPopUpTime},
        {&GeneralSetupForm::passEndSeconds, "-1", kFieldPassEndTime},
        {&GeneralSetupForm::passEndSeconds, "100", kFieldPassEndTime},
        {&GeneralSetupForm::scheduleDays, "0", kFieldScheduleDays},
        {&GeneralSetupForm::kovaDirectory, "C:\\Kova?", kFieldKovaDirectory},
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

TEST(CompanionSetupForms, PevrinEmptyNumberKeepsTheStoredOne) {
    PevrinSettings settings;
    settings.maximumMessages = 1234;
    PevrinSetupForm form = PevrinSetupFormFor(settings);
    form.maximumMessages = " ";
    form.maximumPfhFiles = "12";
    ASSERT_FALSE(ReadPevrinSetupForm(form, settings));
    EXPECT_EQ(settings.maximumMessages, 1234u);
    EXPECT_EQ(settings.maximumPfhFiles, 12u);
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
        {&ScrivetSetupForm::greeting, 30, kFieldGreeting},
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

TEST(CompanionSetupForms, ScrivetSaveStoresTheCompressionValueAndKeepsALongSignature) {
    MemoryRegistry registry;
    auto key = registry.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Scrivet");
    RegWriteString(*key, "Signature", "A-LONGER-NAME.SIG");  // written by another program
    ScrivetSettings settings = LoadScrivetSettings(registry);
    ScrivetSetupForm form = ScrivetSetupFormFor(settings);
    form.compressionIndex = 2;  // LHArc
    ASSERT_FALSE(ReadScrivetSetupForm(form, settings));
    SaveScrivetSettings(registry, settings);
    uint32_t type = 0;
    ASSERT_TRUE(RegReadDword(*key, "Compression Type", type));
    EXPECT_EQ(type, 3u);
    EXPECT_EQ(LoadScrivetSettings(registry).signature, "A-LONGER-NAME.SIG");
}

}  // namespace
}  // namespace tarvon
