#pragma once
// The seams between the scheduling code and the rest of the station: the
// orbit side that finds passes, the main window that shows what the engine
// decides, and the pass-execution side that carries passes and events out.
#include <cstdint>
#include <memory>
#include <string>

#include "orbit/PassListing.h"

namespace tarvon {

struct SatState;
struct SchedulePass;

// One satellite's stepwise pass search (one evaluation per step).
class PassSearch {
public:
    virtual ~PassSearch() = default;
    // True when the step completed a pass; the search then goes on after it.
    virtual bool Step(FoundPass& found) = 0;
    // The time the search has reached.
    virtual int32_t SearchTime() const = 0;
    // Searches on from this time, as a fresh search.
    virtual void Restart(int32_t unixTime) = 0;
    // The orbit state behind the search, for the pass runner and tracking.
    virtual SatState* Orbit() { return nullptr; }
};

// The element database as the scheduler sees it.
class PassSource {
public:
    virtual ~PassSource() = default;
    // A search starting now for the named satellite; null when the element
    // database does not know the name.
    virtual std::unique_ptr<PassSearch> NewSearch(const std::string& name) = 0;
};

// The main window as the engine reaches it (window messages 2043 and 2044,
// the notification dialog and the satellite program's window).
class SchedulerUi {
public:
    virtual ~SchedulerUi() = default;
    // Message 2043: run the engine on the main thread.
    virtual void PostRunScheduler() = 0;
    // Message 2044: open the pre-pass notification for this pass.
    virtual void PostOpenNotification(std::shared_ptr<SchedulePass> pass) = 0;
    // Presses OK of an open notification dialog.
    virtual void PressNotificationOk(uintptr_t notifyWindow) = 0;
    // WM_CLOSE to the satellite program's main window.
    virtual void CloseProgramWindow(uintptr_t programWindow) = 0;
};

// Pass execution, scheduled events and sounds, as the engine uses them.
class SchedulerPeers {
public:
    virtual ~SchedulerPeers() = default;
    // Starts the pass-runner thread for a pass the engine has chosen.
    virtual void StartPassRunner(std::shared_ptr<SchedulePass> pass) = 0;
    // The longest Before Pass lead of the satellite's events, seconds.
    virtual int32_t MaxBeforePassLead(const std::string& satName) = 0;
    // Walks the timer list: starts and re-arms every event due at `now`,
    // lowers `wake` to the next run time of the others and counts the
    // displayed events into `listedCount`.
    virtual void RunDueTimedEvents(int32_t now, int32_t& wake, int32_t& listedCount) = 0;
    // Starts every active event of a Run kind (On Idle, On End Idle).
    virtual void RunEventsOfKind(uint32_t runKind) = 0;
    virtual void PlayPrePassSound(const SchedulePass& pass) = 0;
};

}  // namespace tarvon
