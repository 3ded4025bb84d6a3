#pragma once
// What the General Setup and the companion programs' setup dialogs show,
// and the reading of what was typed back into settings. A dialog fills a
// form from its controls; the reader checks every field and converts it, or
// returns the first problem (the field to go back to and the message), in
// which case nothing is to be written.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/CompanionSettings.h"
#include "core/FieldChecks.h"
#include "core/Settings.h"

namespace tarvon {

// ---- General Setup
struct GeneralSetupForm {
    bool messagePopUps = true;
    std::string popUpMinutes;  // "Pop Up Time" in minutes
    std::string passEndSeconds;
    std::string scheduleDays;
    bool mapDisplay = true;
    bool localTime = false;  // "Display times in": "UTC" or "Local"
    std::string kovaDirectory;
};
enum GeneralSetupField { kFieldPopUpTime, kFieldPassEndTime, kFieldScheduleDays, kFieldKovaDirectory };

GeneralSetupForm GeneralSetupFormFor(const GeneralSettings& general, const std::string& storedDirectory);
// Fills the dialog's values of `general` and `directory` (as typed; the
// dialog normalises and makes it).
std::optional<FieldProblem> ReadGeneralSetupForm(const GeneralSetupForm& form, GeneralSettings& general,
                                                 std::string& directory);

// ---- VANT Setup: "Sat Change" lists Automatic, Manual, Ask First.
// A stored value outside the list shows as Manual.
int SwitchingListIndex(uint32_t stored);

// ---- Pevrin Setup
struct PevrinSetupForm {
    std::string maximumPfhFiles;
    std::string maximumMessages;
    bool markNever = true;
    bool loadBbs = true;
    bool confirmDelete = true;
};
enum PevrinSetupField { kFieldMaximumPfhFiles, kFieldMaximumMessages };

PevrinSetupForm PevrinSetupFormFor(const PevrinSettings& settings);
// An empty number leaves its stored value as it is.
std::optional<FieldProblem> ReadPevrinSetupForm(const PevrinSetupForm& form, PevrinSettings& settings);

// ---- Scrivet Setup
struct ScrivetSetupForm {
    std::string signature;
    std::string greeting;
    std::string editor;
    std::string sourceSaveDirectory;
    std::string messageExpiryDays;
    std::string compressionThreshold;
    int compressionIndex = 0;  // "None", "PKZIP", "LHArc"
    bool removeSource = false;
    bool copyOriginal = false;
};
enum ScrivetSetupField {
    kFieldSignature,
    kFieldGreeting,
    kFieldEditor,
    kFieldSourceSaveDirectory,
    kFieldMessageExpiryDays,
    kFieldCompressionThreshold,
};

ScrivetSetupForm ScrivetSetupFormFor(const ScrivetSettings& settings);
std::optional<FieldProblem> ReadScrivetSetupForm(const ScrivetSetupForm& form, ScrivetSettings& settings);

// "Compression type" list position of a stored value (a stored 1, or any
// value the list lacks, shows as None) and the value of a list position.
int CompressionListIndex(uint32_t stored);
uint32_t CompressionTypeValue(int listIndex);

// ---- Brisko Setup
constexpr const char* kAllSpacecraft = "[All]";

struct BriskoSetupForm {
    BriskoSettings checks;     // the six boxes, taken as they are
    int updateKepsButton = 0;  // 1..3; 0 when none is selected
    std::string updateCallsign;
    std::string spacecraft;  // the chosen list item
};
enum BriskoSetupField { kFieldUpdateCallsign };

// The button of a stored "Update Keps"; 0 (none) outside 1..3.
int UpdateKepsButton(uint32_t stored);
// The PacSat names, then "[All]".
std::vector<std::string> SpacecraftChoices(const std::vector<std::string>& pacSatNames);
// The position of the stored spacecraft in `choices` (exact text); "[All]"
// when it is not there or none is stored.
size_t SpacecraftChoiceIndex(const std::vector<std::string>& choices, const std::string& stored);

// No button selected keeps the stored "Update Keps"; "[All]" stores empty.
std::optional<FieldProblem> ReadBriskoSetupForm(const BriskoSetupForm& form, BriskoSettings& settings);

}  // namespace tarvon
