#include "ui/EditKepsDialog.h"

#include <cstring>
#include <set>
#include <string>

#include "core/PublicIds.h"
#include "orbit/KepsDatabase.h"
#include "orbit/KepsEditFields.h"
#include "ui/DialogFields.h"
#include "ui/ModalDialog.h"
#include "ui/KepsDialogIds.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

constexpr const wchar_t* kNotFound = L"Unable to find a satellite with this name";
constexpr const wchar_t* kDamaged = L"Kova.KEP is damaged (%s).  Update the satellite database first, which "
                                    L"repairs it.  Nothing was written.";
constexpr const wchar_t* kNotWritten = L"Tarvon could not write Kova.KEP.  The element database is as it was.";

struct FieldControl {
    std::string KepsEditFields::*text;
    int id;
    size_t limit;
};

// In the order of KepsField.
const FieldControl kFields[] = {
    {&KepsEditFields::name, IDC_KEPS_NAME, edit_limits::kName},
    {&KepsEditFields::catalogNumber, IDC_KEPS_CATALOG, edit_limits::kNumber},
    {&KepsEditFields::elementSet, IDC_KEPS_ELEMENT_SET, edit_limits::kNumber},
    {&KepsEditFields::epoch, IDC_KEPS_EPOCH, edit_limits::kEpoch},
    {&KepsEditFields::meanAnomaly, IDC_KEPS_MEAN_ANOMALY, edit_limits::kNumber},
    {&KepsEditFields::meanMotion, IDC_KEPS_MEAN_MOTION, edit_limits::kNumber},
    {&KepsEditFields::inclination, IDC_KEPS_INCLINATION, edit_limits::kNumber},
    {&KepsEditFields::eccentricity, IDC_KEPS_ECCENTRICITY, edit_limits::kNumber},
    {&KepsEditFields::argPerigee, IDC_KEPS_ARG_PERIGEE, edit_limits::kNumber},
    {&KepsEditFields::raan, IDC_KEPS_RAAN, edit_limits::kNumber},
    {&KepsEditFields::decay, IDC_KEPS_DECAY, edit_limits::kNumber},
    {&KepsEditFields::orbitNumber, IDC_KEPS_ORBIT, edit_limits::kOrbitNumber},
    {&KepsEditFields::blon, IDC_KEPS_BLON, edit_limits::kAttitude},
    {&KepsEditFields::blat, IDC_KEPS_BLAT, edit_limits::kAttitude},
    {&KepsEditFields::beaconMhz, IDC_KEPS_BEACON, edit_limits::kNumber},
    {&KepsEditFields::modeSchedule, IDC_KEPS_SCHEDULE, edit_limits::kModeSchedule},
};

// Disabled while the dialog looks for a name.
constexpr int kNotForFinding[] = {IDC_KEPS_NEXT, IDC_KEPS_PREVIOUS, IDC_KEPS_DELETE, IDC_KEPS_FIND, IDC_KEPS_HELP};

struct EditState {
    MainWindowState& main;
    KepsDatabase table;  // as the file was when the dialog opened, with the edits since
    std::set<int> changed;  // slots changed here and not yet saved
    KepsRecord shown;
    bool finding = false;
};

std::filesystem::path KepsFile(const EditState& s) { return KepsFilePath(s.main.settings->general.kovaDirectory); }

void ShowSlot(HWND dialog, EditState& s) {
    const int slot = s.main.editKepsSlot;
    s.shown = s.table.slots[slot];
    const KepsEditFields fields = FormatKepsFields(s.shown);
    for (const FieldControl& f : kFields) SetControlText(dialog, f.id, fields.*f.text);
    SetWindowTextW(dialog, (L"Edit Satellite Data [" + std::to_wstring(slot + 1) + L"]").c_str());
}

void SetFindingMode(HWND dialog, EditState& s, bool finding) {
    s.finding = finding;
    for (const FieldControl& f : kFields) {
        if (f.id != IDC_KEPS_NAME) EnableWindow(GetDlgItem(dialog, f.id), !finding);
    }
    for (int id : kNotForFinding) EnableWindow(GetDlgItem(dialog, id), !finding);
    if (!finding) return ShowSlot(dialog, s);
    HWND name = GetDlgItem(dialog, IDC_KEPS_NAME);
    SetFocus(name);
    SendMessageW(name, EM_SETSEL, 0, -1);
}

void Find(HWND dialog, EditState& s) {
    const std::string wanted = ControlText(dialog, IDC_KEPS_NAME);
    bool found = false;
    for (int i = 0; i < kKepsSlots && !found; ++i) {
        if (!IsFreeSlot(s.table.slots[i]) && _stricmp(s.table.slots[i].name, wanted.c_str()) == 0) {
            s.main.editKepsSlot = i;
            found = true;
        }
    }
    if (!found) MessageBoxW(dialog, kNotFound, L"Tarvon", MB_OK | MB_ICONEXCLAMATION);
    SetFindingMode(dialog, s, false);
}

// The slots changed here go into the file as it is now, so that elements
// another program imported meanwhile into other slots are kept.
bool Save(HWND dialog, EditState& s) {
    KepsDatabase current;
    const KepsFileCheck check = LoadKepsDatabase(current, KepsFile(s));
    if (check.unreadable || check.WrongSize()) {
        std::wstring text = kDamaged;
        text.replace(text.find(L"%s"), 2, Widen(DescribeKepsDamage(check)));
        MessageBoxW(dialog, text.c_str(), L"Tarvon Error", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    for (int slot : s.changed) current.slots[slot] = s.table.slots[slot];
    if (!SaveKepsDatabase(current, KepsFile(s))) {
        MessageBoxW(dialog, kNotWritten, L"Tarvon Error", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    s.table = current;
    s.changed.clear();
    if (s.main.hooks.refreshElements) s.main.hooks.refreshElements();
    return true;
}

void OnOk(HWND dialog, EditState& s) {
    if (s.finding) return Find(dialog, s);
    KepsEditFields fields;
    for (const FieldControl& f : kFields) fields.*f.text = ControlText(dialog, f.id);
    if (auto problem = CheckKepsFields(s.shown, fields)) {
        return RefuseField(dialog, kFields[problem->field].id, problem->message, L"Edit Satellite Data");
    }
    const int slot = s.main.editKepsSlot;
    s.table.slots[slot] = fields == FormatKepsFields(KepsRecord{}) ? KepsRecord{} : ApplyKepsFields(s.shown, fields);
    s.changed.insert(slot);
    if (Save(dialog, s)) ShowSlot(dialog, s);
}

void OnCommand(HWND dialog, EditState& s, WPARAM wParam) {
    int& slot = s.main.editKepsSlot;
    switch (LOWORD(wParam)) {
    case IDOK: return OnOk(dialog, s);
    case IDCANCEL:
        if (s.finding) return SetFindingMode(dialog, s, false);
        EndDialog(dialog, IDCANCEL);
        return;
    case IDC_KEPS_NEXT:
        if (slot < kKepsSlots - 1) ++slot, ShowSlot(dialog, s);
        return;
    case IDC_KEPS_PREVIOUS:
        if (slot > 0) --slot, ShowSlot(dialog, s);
        return;
    case IDC_KEPS_DELETE:
        ClearKepsRecord(s.table.slots[slot]);
        s.changed.insert(slot);
        ShowSlot(dialog, s);
        return;
    case IDC_KEPS_FIND: return SetFindingMode(dialog, s, true);
    default: return;
    }
}

void OnInit(HWND dialog, EditState& s) {
    for (const FieldControl& f : kFields) LimitText(dialog, f.id, f.limit);
    LoadKepsDatabase(s.table, KepsFile(s));
    if (s.main.editKepsSlot < 0 || s.main.editKepsSlot >= kKepsSlots) s.main.editKepsSlot = 0;
    ShowSlot(dialog, s);
}

constexpr DialogHandlers<EditState> kHandlers{
    .place = "edit satellite data dialog",
    .init = OnInit,
    .command = OnCommand,
    .helpButton = IDC_KEPS_HELP,
    .helpContext = FixedHelp<EditState, IDH_EDIT_SATELLITE_DATA>,
};

}  // namespace

void EditKepsDialog(MainWindowState& state) {
    auto s = std::make_unique<EditState>(EditState{state, {}, {}, {}, false});
    RunModalDialog(state.window, IDD_EDIT_KEPS, *s, kHandlers);
}

}  // namespace tarvon
