#include "schedule/PassEdits.h"

#include <algorithm>
#include <cstdio>
#include <mutex>

#include "core/TimeFormat.h"
#include "core/TimeScales.h"
#include "schedule/PassInsertion.h"
#include "schedule/SchedulerEngine.h"

namespace tarvon {
namespace {

int32_t ShownTime(int32_t unixTime, uint32_t displayTime, int32_t biasSeconds) {
    return displayTime == 1 ? unixTime : int32_t(std::clamp<int64_t>(int64_t(unixTime) - biasSeconds, INT32_MIN, INT32_MAX));
}

std::string ClockText(int32_t unixTime, uint32_t displayTime, int32_t biasSeconds) {
    return FormatUnixTime(DisplayTime(unixTime, displayTime == 1, biasSeconds), "%H:%M:%S");
}

PassRef FindPass(ScheduleState& s, const std::string& satName, int32_t aos) {
    for (const PassRef& pass : s.passes) {
        if (pass->satName == satName && pass->aos == aos) return pass;
    }
    return nullptr;
}

void SetRunNowOnly(ScheduleState& s, const PassRef& chosen) {
    for (const PassRef& pass : s.passes) pass->runNow = 0;
    chosen->runNow = 1;
}

}  // namespace

EditTimeFields TimeFieldsFor(int32_t unixTime, uint32_t displayTime, int32_t biasSeconds) {
    SystemTime st;
    UnixTimeToSystemTime(ShownTime(unixTime, displayTime, biasSeconds), st);
    const int year = st.wYear < 2000 ? st.wYear - 1900 : st.wYear - 2000;
    return {st.wDay, st.wMonth, year, st.wHour, st.wMinute, st.wSecond};
}

std::optional<int32_t> UnixTimeFromFields(const EditTimeFields& f, uint32_t displayTime, int32_t biasSeconds) {
    for (int value : f) {
        if (value < 0 || value > 99) return std::nullopt;
    }
    if (f[3] > 23 || f[4] > 59 || f[5] > 59) return std::nullopt;
    SystemTime st;
    st.wDay = uint16_t(f[0]);
    st.wMonth = uint16_t(f[1]);
    st.wYear = uint16_t(f[2] < 50 ? 2000 + f[2] : 1900 + f[2]);
    st.wHour = uint16_t(f[3]);
    st.wMinute = uint16_t(f[4]);
    st.wSecond = uint16_t(f[5]);
    int32_t t = 0;
    if (!SystemTimeToUnixTime(st, t)) return std::nullopt;
    if (displayTime == 1) return t;
    const int64_t utc = int64_t(t) + biasSeconds;
    if (utc < INT32_MIN || utc > INT32_MAX) return std::nullopt;
    return int32_t(utc);
}

EditPassFields EditFieldsFor(const SchedulePass& pass, uint32_t displayTime, int32_t biasSeconds) {
    EditPassFields f;
    f.aos = TimeFieldsFor(pass.aos, displayTime, biasSeconds);
    f.los = TimeFieldsFor(pass.los, displayTime, biasSeconds);
    f.priority = pass.priority;
    f.status = pass.state == 0 ? 0 : 1;
    f.runRegardlessOfElevation = pass.runRegardlessOfElevation != 0;
    f.ignorePassChecking = pass.ignorePassChecking != 0;
    return f;
}

std::optional<std::string> ApplyPassEdit(ScheduleState& s, const PassRef& pass, EditPassFields f) {
    if (f.priority < 1 || f.priority > kLowestPriority) {
        if (f.status == 0) return std::string(kPriorityRangeMessage);
        f.priority = 0;
    }
    const Settings& settings = s.services.settings;
    auto aos = UnixTimeFromFields(f.aos, settings.general.displayTime, settings.timeZoneBiasSeconds);
    auto los = UnixTimeFromFields(f.los, settings.general.displayTime, settings.timeZoneBiasSeconds);
    if (!aos || !los) return std::string(kInvalidTimeMessage);
    {
        std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
        auto listed = std::find(s.passes.begin(), s.passes.end(), pass);
        if (listed == s.passes.end()) return std::nullopt;
        SchedulePass edited = *pass;
        edited.priority = f.priority;
        edited.aos = *aos;
        edited.los = *los;
        edited.state = f.status;
        if (edited.state != 0) edited.runNow = 0;
        edited.runRegardlessOfElevation = f.runRegardlessOfElevation ? 1 : 0;
        edited.ignorePassChecking = f.ignorePassChecking ? 1 : 0;
        if (edited.priority != 0 && HasCloseDuplicate(s.passes, edited, pass)) return std::string(kDuplicatePassMessage);
        s.passes.erase(listed);
        *pass = edited;
        InsertEditedPass(s.passes, pass);
    }
    RunScheduler(s);
    return std::nullopt;
}

void SetPassDisplayOnly(ScheduleState& s, const PassRef& pass) {
    {
        std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
        pass->state = 1;
    }
    RunScheduler(s);
}

void RunPassNow(ScheduleState& s, const PassRef& pass) {
    {
        std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
        SetRunNowOnly(s, pass);
        pass->lastRunEnd = 0;
    }
    RunScheduler(s);
}

void EndPassNow(ScheduleState& s) {
    // The runner forgets the program's window as soon as it sees the end, so
    // the window is taken first: read after the end, it could be gone already
    // and the program left running.
    const uintptr_t window = s.engine.programWindow;
    s.services.sync.passEnd.Set();
    if (window) s.services.ui.CloseProgramWindow(window);
}

void SetListenOnly(ScheduleState& s, const PassRef& pass) {
    std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
    pass->listenOnly = 1;
}

bool HasUnfinishedManualPass(ScheduleState& s) {
    std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
    if (s.passes.empty()) return false;
    const SchedulePass& first = *s.passes.front();
    return first.los > s.Now() && first.state == 0 && first.priority == 0;
}

PassRef StartManualPass(ScheduleState& s, const std::string& satName) {
    bool manualFirst = false;
    {
        std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
        manualFirst = !s.passes.empty() && s.passes.front()->priority == 0;
    }
    if (manualFirst) RunScheduler(s);
    auto pass = std::make_shared<SchedulePass>();
    {
        std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
        pass->satName = satName.substr(0, kSatNameMax);
        pass->aos = s.Now();
        pass->los = int32_t(std::min<int64_t>(int64_t(pass->aos) + kManualPassSeconds, kNever));
        pass->elevationOk = 1;
        s.passes.push_front(pass);
    }
    RunScheduler(s);
    return pass;
}

PassRef NewHandEnteredPass(ScheduleState& s, const std::string& satName) {
    auto pass = std::make_shared<SchedulePass>();
    pass->satName = satName.substr(0, kSatNameMax);
    pass->aos = int32_t(std::min<int64_t>(int64_t(s.Now()) + 3600, kNever - kManualPassSeconds));
    pass->los = pass->aos + kManualPassSeconds;
    pass->priority = kLowestPriority;
    pass->startLead = kDefaultStartLead;
    pass->elevationOk = 1;
    std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
    if (SatelliteRef satellite = FindSatStateByName(s, satName)) {
        pass->priority = satellite->priority;
        pass->startLead = satellite->startLead;
        pass->minPassTime = satellite->minPassTime;
        pass->state = satellite->state == 0 ? 0 : 1;
    }
    return pass;
}

NotificationTexts NotificationTextsFor(const SchedulePass& pass, uint32_t displayTime, int32_t biasSeconds) {
    NotificationTexts t;
    t.satellite = pass.satName;
    t.aos = ClockText(pass.aos, displayTime, biasSeconds);
    t.los = ClockText(pass.los, displayTime, biasSeconds);
    t.maxElevation = std::to_string(pass.maxElevation) + " degrees";
    t.hiddenAos = std::to_string(pass.aos);
    return t;
}

void ApplyNotificationButton(ScheduleState& s, const std::string& satName, int32_t aos, NotificationButton button) {
    PassRef pass;
    {
        std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
        pass = FindPass(s, satName, aos);
        if (pass && button == NotificationButton::Run) SetRunNowOnly(s, pass);
        if (pass && button == NotificationButton::Cancel) pass->state = 1;
    }
    RunScheduler(s);
    if (pass) {
        std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
        pass->notifyWindow = 0;
    }
}

}  // namespace tarvon
