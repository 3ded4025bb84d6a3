#include "core/SuiteSetupForms.h"

#include <algorithm>

#include "core/Directories.h"

namespace tarvon {
namespace {

constexpr uint32_t kSecondsPerMinute = 60;
constexpr uint32_t kSecondsPerDay = 86400;
// Each number edit's largest value, from the digits it takes.
constexpr uint32_t kTwoDigits = 99;
constexpr uint32_t kThreeDigits = 999;
constexpr uint32_t kFourDigits = 9999;
constexpr uint32_t kSixDigits = 999999;
constexpr size_t kSignatureChars = 12;
constexpr size_t kGreetingChars = 29;
constexpr size_t kPathChars = 259;
constexpr size_t kCallsignChars = 9;
constexpr uint32_t kCompressionValues[] = {0, 2, 3};

// An empty text keeps `value`.
auto OptionalNumber(int field, const char* label, const std::string& text, uint32_t max, uint32_t& value) {
    return CheckField(field, [=, &text, &value]() -> std::optional<std::string> {
        if (text.find_first_not_of(" \t") == std::string::npos) return std::nullopt;
        return CheckWholeNumber(label, text, 0, max, value);
    });
}

// A text is held to what its edit takes from the keyboard, except a stored
// one left as it was: another program of the suite may keep a longer one.
auto Text(int field, const char* label, const std::string& text, const std::string& stored, size_t maxChars) {
    return CheckField(field, [=, &text, &stored] {
        return CheckText(label, text, text == stored ? kPathChars : maxChars, false);
    });
}

auto Directory(int field, const char* label, const std::string& text) {
    return CheckField(field, [=, &text] { return CheckDirectory(label, text); });
}

}  // namespace

GeneralSetupForm GeneralSetupFormFor(const GeneralSettings& general, const std::string& storedDirectory) {
    GeneralSetupForm form;
    form.messagePopUps = general.messagePopUps == 1;
    form.popUpMinutes = std::to_string(general.popUpTime / kSecondsPerMinute);
    form.passEndSeconds = std::to_string(general.passEndTime);
    form.scheduleDays = std::to_string(general.scheduleSeconds / kSecondsPerDay);
    form.mapDisplay = general.mapDisplay == 1;
    form.localTime = general.displayTime == 0;
    form.kovaDirectory = storedDirectory;
    return form;
}

std::optional<FieldProblem> ReadGeneralSetupForm(const GeneralSetupForm& form, GeneralSettings& general,
                                                 std::string& directory) {
    uint32_t popUpMinutes = 0, passEnd = 0, days = 0;
    // A schedule of no days would leave the station with nothing to do.
    if (auto problem = FirstProblem(
            CheckNumberField(kFieldPopUpTime, "Time before pass to send message", form.popUpMinutes, 0, kTwoDigits, popUpMinutes),
            CheckNumberField(kFieldPassEndTime, "Time after pass to close VANT", form.passEndSeconds, 0, kTwoDigits, passEnd),
            CheckNumberField(kFieldScheduleDays, "Number of days to schedule", form.scheduleDays, 1, kTwoDigits, days),
            Directory(kFieldKovaDirectory, "Kova Program Directory", form.kovaDirectory))) {
        return problem;
    }
    general.messagePopUps = form.messagePopUps ? 1 : 0;
    general.popUpTime = popUpMinutes * kSecondsPerMinute;
    general.passEndTime = passEnd;
    general.scheduleSeconds = days * kSecondsPerDay;
    general.mapDisplay = form.mapDisplay ? 1 : 0;
    general.displayTime = form.localTime ? 0 : 1;
    directory = form.kovaDirectory;
    return std::nullopt;
}

int SwitchingListIndex(uint32_t stored) { return stored <= 2 ? static_cast<int>(stored) : 1; }

PevrinSetupForm PevrinSetupFormFor(const PevrinSettings& settings) {
    return PevrinSetupForm{std::to_string(settings.maximumPfhFiles), std::to_string(settings.maximumMessages),
                           settings.markNever == 1, settings.loadBbs == 1, settings.confirmDelete == 1};
}

std::optional<FieldProblem> ReadPevrinSetupForm(const PevrinSetupForm& form, PevrinSettings& settings) {
    PevrinSettings read = settings;
    if (auto problem = FirstProblem(
            OptionalNumber(kFieldMaximumPfhFiles, "Maximum PFH files to load", form.maximumPfhFiles, kThreeDigits,
                           read.maximumPfhFiles),
            OptionalNumber(kFieldMaximumMessages, "Maximum messages to load", form.maximumMessages, kFourDigits,
                           read.maximumMessages))) {
        return problem;
    }
    read.markNever = form.markNever ? 1 : 0;
    read.loadBbs = form.loadBbs ? 1 : 0;
    read.confirmDelete = form.confirmDelete ? 1 : 0;
    settings = read;
    return std::nullopt;
}

ScrivetSetupForm ScrivetSetupFormFor(const ScrivetSettings& s) {
    return ScrivetSetupForm{s.signature,
                            s.greeting,
                            s.editor,
                            s.sourceSaveDirectory,
                            std::to_string(s.messageExpiryDays),
                            std::to_string(s.compressionThreshold),
                            CompressionListIndex(s.compressionType),
                            s.removeSource == 1,
                            s.copyOriginal == 1};
}

std::optional<FieldProblem> ReadScrivetSetupForm(const ScrivetSetupForm& form, ScrivetSettings& settings) {
    ScrivetSettings read = settings;
    if (auto problem = FirstProblem(
            Text(kFieldSignature, "Signature File", form.signature, settings.signature, kSignatureChars),
            Text(kFieldGreeting, "Greeting", form.greeting, settings.greeting, kGreetingChars),
            Text(kFieldEditor, "Editor name", form.editor, settings.editor, kPathChars),
            Directory(kFieldSourceSaveDirectory, "Source save directory", form.sourceSaveDirectory),
            CheckNumberField(kFieldMessageExpiryDays, "Message expiry time", form.messageExpiryDays, 0, kTwoDigits,
                   read.messageExpiryDays),
            CheckNumberField(kFieldCompressionThreshold, "Compression threshold", form.compressionThreshold, 0, kSixDigits,
                   read.compressionThreshold))) {
        return problem;
    }
    read.signature = form.signature;
    read.greeting = form.greeting;
    read.editor = form.editor;
    read.sourceSaveDirectory = form.sourceSaveDirectory;
    read.compressionType = CompressionTypeValue(form.compressionIndex);
    read.removeSource = form.removeSource ? 1 : 0;
    read.copyOriginal = form.copyOriginal ? 1 : 0;
    settings = read;
    return std::nullopt;
}

int CompressionListIndex(uint32_t stored) {
    for (int i = 1; i < 3; ++i) {
        if (kCompressionValues[i] == stored) return i;
    }
    return 0;
}

uint32_t CompressionTypeValue(int listIndex) {
    return listIndex >= 0 && listIndex < 3 ? kCompressionValues[listIndex] : 0;
}

int UpdateKepsButton(uint32_t stored) { return stored >= 1 && stored <= 3 ? static_cast<int>(stored) : 0; }

std::vector<std::string> SpacecraftChoices(const std::vector<std::string>& pacSatNames) {
    std::vector<std::string> choices = pacSatNames;
    choices.emplace_back(kAllSpacecraft);
    return choices;
}

size_t SpacecraftChoiceIndex(const std::vector<std::string>& choices, const std::string& stored) {
    const auto found = std::find(choices.begin(), choices.end(), stored.empty() ? kAllSpacecraft : stored);
    if (found != choices.end()) return static_cast<size_t>(found - choices.begin());
    return static_cast<size_t>(std::find(choices.begin(), choices.end(), kAllSpacecraft) - choices.begin());
}

std::optional<FieldProblem> ReadBriskoSetupForm(const BriskoSetupForm& form, BriskoSettings& settings) {
    if (auto problem = FirstProblem(Text(kFieldUpdateCallsign, "Source Callsign", form.updateCallsign,
                                         settings.updateCallsign, kCallsignChars))) {
        return problem;
    }
    BriskoSettings read = form.checks;
    read.updateKeps = form.updateKepsButton >= 1 && form.updateKepsButton <= 3
                          ? static_cast<uint32_t>(form.updateKepsButton)
                          : settings.updateKeps;
    read.updateCallsign = form.updateCallsign;
    read.updateSpacecraft = form.spacecraft == kAllSpacecraft ? std::string() : form.spacecraft;
    settings = read;
    return std::nullopt;
}

}  // namespace tarvon
