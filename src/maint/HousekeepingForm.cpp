#include "maint/HousekeepingForm.h"

namespace tarvon {
namespace {

constexpr uint32_t kTwoDigits = 99;  // each edit takes two characters

}  // namespace

HousekeepingForm HousekeepingFormFor(const HousekeepingRules& rules) {
    HousekeepingForm form;
    form.deleteAct = rules.deleteAct == 1;
    form.deleteDlx = rules.deleteDlx == 1;
    form.deleteUl = rules.deleteUl == 1;
    form.oldestFiles = std::to_string(rules.oldestFiles);
    form.deleteMsg = rules.deleteMsg == 1;
    form.deleteMyMsg = rules.deleteMyMsg == 1;
    form.oldestMessages = std::to_string(rules.oldestMessages);
    form.deleteOldestPfh = rules.pfhAction == 1;
    form.keepPfhFiles = std::to_string(rules.keepPfhFiles);
    return form;
}

std::optional<FieldProblem> ReadHousekeepingForm(const HousekeepingForm& form, HousekeepingRules& rules,
                                                 std::optional<std::string>& satellite) {
    if (!form.allSatellites && !form.satelliteSelected) {
        return FieldProblem{kFieldHousekeepingSatellite, kNoHousekeepingSatellite};
    }
    HousekeepingRules read;
    const struct {
        int field;
        const char* label;
        const std::string& text;
        uint32_t& value;
    } numbers[] = {
        {kFieldOldestFiles, "The age of files to delete", form.oldestFiles, read.oldestFiles},
        {kFieldOldestMessages, "The age of messages to delete", form.oldestMessages, read.oldestMessages},
        {kFieldKeepPfhFiles, "The number of PFH files to keep", form.keepPfhFiles, read.keepPfhFiles},
    };
    for (const auto& n : numbers) {
        if (auto message = CheckWholeNumber(n.label, n.text, 0, kTwoDigits, n.value)) {
            return FieldProblem{n.field, *message};
        }
    }
    read.deleteAct = form.deleteAct ? 1 : 0;
    read.deleteDlx = form.deleteDlx ? 1 : 0;
    read.deleteUl = form.deleteUl ? 1 : 0;
    read.deleteMsg = form.deleteMsg ? 1 : 0;
    read.deleteMyMsg = form.deleteMyMsg ? 1 : 0;
    read.pfhAction = form.deleteOldestPfh ? 1 : 0;
    rules = read;
    satellite = form.allSatellites ? std::nullopt : std::optional<std::string>(form.satellite);
    return std::nullopt;
}

}  // namespace tarvon
