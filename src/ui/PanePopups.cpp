#include "ui/PanePopups.h"

#include "core/PublicIds.h"
#include "core/SatelliteConfig.h"
#include "schedule/ListCommands.h"
#include "schedule/PassEdits.h"
#include "ui/EditPassDialog.h"
#include "ui/MapWindow.h"
#include "ui/SchedulePane.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

// Keeps other popups from opening, and the schedule pane from scrolling
// back to the top, while the menu is up.
class OpenPopup {
public:
    explicit OpenPopup(MainWindowState& state) : state_(state) { state_.popupMenuOpen = true; }
    ~OpenPopup() { state_.popupMenuOpen = false; }
    OpenPopup(const OpenPopup&) = delete;
    OpenPopup& operator=(const OpenPopup&) = delete;

private:
    MainWindowState& state_;
};

struct MenuItem {
    int id;
    const wchar_t* text;
    bool enabled = true;
    bool checked = false;
};

// Shows the menu at client point (x, y) and returns the chosen command, or 0.
int ChooseFromPopup(MainWindowState& state, int x, int y, std::initializer_list<MenuItem> items) {
    OpenPopup open(state);
    HMENU menu = CreatePopupMenu();
    for (const MenuItem& item : items) {
        AppendMenuW(menu, MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED) | (item.checked ? MF_CHECKED : 0),
                    static_cast<UINT_PTR>(item.id), item.text);
    }
    POINT at{x, y};
    ClientToScreen(state.window, &at);
    // The window must lead for the menu to close when the user clicks elsewhere.
    SetForegroundWindow(state.window);
    const int chosen = static_cast<int>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, at.x, at.y, 0, state.window, nullptr));
    DestroyMenu(menu);
    return chosen;
}

void SchedulePopup(MainWindowState& state, int x, int y, int index) {
    ScheduleState& schedule = *state.schedule;
    const std::vector<ListingLine> lines = CurrentScheduleListing(state);
    if (index >= static_cast<int>(lines.size()) || !lines[index].pass) return;  // an event's line has no menu
    const PassRef pass = lines[index].pass;
    PassPopupItems items;
    {
        std::lock_guard<std::recursive_mutex> lock(state.sync->scheduleLock);
        items = PassPopupFor(*pass, schedule.engine, schedule.Now());
    }
    const int chosen = ChooseFromPopup(
        state, x, y,
        {{IDM_PASS_EDIT_SCHEDULING, L"Edit Scheduling"},
         {IDM_PASS_RUN_NOW, items.endInstead ? L"End this pass now" : L"Run this pass now", items.runEnabled},
         {IDM_PASS_LISTEN_ONLY, L"Listen only", true, items.listenChecked}});
    switch (chosen) {
        case IDM_PASS_EDIT_SCHEDULING: EditPassDialog(state.window, schedule, pass); return;
        case IDM_PASS_RUN_NOW: items.endInstead ? EndPassNow(schedule) : RunPassNow(schedule, pass); return;
        case IDM_PASS_LISTEN_ONLY: SetListenOnly(schedule, pass); return;
        default: return;
    }
}

constexpr int kRunSatellitePass = IDM_TRACKING_POPUP_FIRST;
constexpr int kDisplayOnMap = IDM_TRACKING_POPUP_FIRST + 1;
constexpr int kDisplayOnMapWithRotator = IDM_TRACKING_POPUP_FIRST + 2;
constexpr int kRemoveFromList = IDM_TRACKING_POPUP_FIRST + 3;
static_assert(kRemoveFromList == IDM_TRACKING_POPUP_LAST);

void RunSatellitePass(MainWindowState& state, const std::string& name) {
    // As from the Run Pass dialog: one manual pass at a time.
    if (HasUnfinishedManualPass(*state.schedule)) {
        MessageBoxW(state.window, Widen(kSecondManualPassMessage).c_str(), L"Tarvon", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    StartManualPass(*state.schedule, name);
}

void DisplayOnMap(MainWindowState& state, const std::string& name, bool withRotator) {
    if (!state.map || !ShowSatelliteOnMap(*state.map, name)) return;
    OpenMapWindow(*state.map);
    if (withRotator) StartMapRotatorTracking(*state.map);
}

void TrackingPopup(MainWindowState& state, int x, int y, int row) {
    std::shared_ptr<TrackingEntry> entry;
    {
        std::lock_guard<std::recursive_mutex> lock(state.sync->scheduleLock);
        const auto& shown = state.schedule->tracking.display;
        if (row >= static_cast<int>(shown.size())) return;
        entry = shown[static_cast<size_t>(row)];
    }
    const std::string name = entry->state.name;
    std::string keyPath;
    const TrackingPopupItems items =
        TrackingPopupFor(FindSatelliteKey(*state.registry, name, keyPath) != 0, state.settings->general.rotatorType);
    const int chosen = ChooseFromPopup(state, x, y,
                                       {{kRunSatellitePass, L"Run a Pass of this satellite", items.runEnabled},
                                        {kDisplayOnMap, L"Display on Map"},
                                        {kDisplayOnMapWithRotator, L"Display on Map and Enable rotator",
                                         items.rotatorEnabled},
                                        {kRemoveFromList, L"Remove from the tracking list"}});
    switch (chosen) {
        case kRunSatellitePass: RunSatellitePass(state, name); return;
        case kDisplayOnMap: DisplayOnMap(state, name, false); return;
        case kDisplayOnMapWithRotator: DisplayOnMap(state, name, true); return;
        case kRemoveFromList: RemoveFromTrackingList(state, entry); return;
        default: return;
    }
}

}  // namespace

void OnPaneRightButton(MainWindowState& state, int x, int y) {
    if (!state.schedule || state.popupMenuOpen) return;
    const int lineHeight = state.display.lineHeight;
    const int scheduleRow = PaneRowAt(state.layout.schedulePane, lineHeight, x, y);
    const int trackingRow = PaneRowAt(state.layout.trackingPane, lineHeight, x, y);
    if (scheduleRow >= 0) {
        const int index = state.scheduleTop + scheduleRow;
        if (index < state.schedule->engine.listedItemCount) {
            SchedulePopup(state, x, PaneRowCentre(state.layout.schedulePane, lineHeight, scheduleRow), index);
        }
    } else if (trackingRow >= 0 && trackingRow < state.trackingCount) {
        TrackingPopup(state, x, PaneRowCentre(state.layout.trackingPane, lineHeight, trackingRow), trackingRow);
    }
}

void RemoveFromTrackingList(MainWindowState& state, const std::shared_ptr<TrackingEntry>& entry) {
    {
        std::lock_guard<std::recursive_mutex> lock(state.sync->scheduleLock);
        if (!RemoveTrackingEntry(state.schedule->tracking, entry, *state.registry)) return;
        state.trackingCount = state.schedule->tracking.count;
    }
    {
        // The rows below the removed one move up; the clock thread draws them anew.
        std::lock_guard<std::mutex> lock(state.textMutex);
        state.trackingLineTexts.clear();
    }
    LayoutMainWindow(state);
}

}  // namespace tarvon
