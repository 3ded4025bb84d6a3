#include "hardware/TrackingController.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/ExceptionBarrier.h"
#include "core/SatelliteConfig.h"
#include "core/TimeScales.h"
#include "hardware/DriverCodes.h"
#include "hardware/RotatorLink.h"
#include "hardware/RotorRadioDriver.h"
#include "hardware/SatelliteLinks.h"
#include "hardware/TrackingData.h"
#include "hardware/TrackingTexts.h"
#include "orbit/ObserverGeometry.h"
#include "orbit/PassSearch.h"
#include "orbit/Propagation.h"
#include "platform/Clock.h"
#include "platform/Notices.h"
#include "platform/StationLog.h"
#include "platform/Waits.h"

namespace tarvon {
namespace {

bool Opened(uint32_t result) { return (result & 0xFFFF) == 0; }

// The flip search looks no further than this for the pass being worked.
constexpr double kFlipSearchDays = 1.0;

RotatorStep SerialStep(const TrackingPoint& p, bool justRose) {
    RotatorStep step;
    step.azimuth = p.antenna.azimuth;
    step.elevation = p.antenna.elevation;
    step.phase = p.phase;
    step.uplinkHz = p.tuning.uplinkHz;
    step.downlinkHz = p.tuning.downlinkHz;
    step.uplinkMode = ModeName(p.uplinkMode);
    step.downlinkMode = ModeName(p.downlinkMode);
    step.justRose = justRose;
    return step;
}

}  // namespace

TrackingController::TrackingController(TrackingServices services) : s_(std::move(services)) {}

TrackingController::~TrackingController() {
    StopTrackingThread();
    if (readBack_.joinable()) readBack_.join();
}

TrackingController::RotatorSnapshot TrackingController::Snapshot() const {
    const GeneralSettings& g = s_.settings.general;
    return {g.rotatorType, g.flip, g.stopPosition, g.park, g.parkAz, g.parkEl, g.rotorDisplay};
}

void TrackingController::Tell(const char* text, const char* caption) {
    s_.platform.notices.Show(text, caption, NoticeIcon::Error);
}

void TrackingController::InitRotator() {
    std::lock_guard<std::mutex> control(control_);
    {
        std::lock_guard<std::mutex> lock(s_.sync.trackingLock);
        rotator_ = Snapshot();
    }
    if (rotator_.type != kRotatorLevel1) return;
    if (rotorOpen_) return EnsureReadBack();  // set up again: the driver is open already
    if (!s_.driver || !Opened(s_.driver->RotorOpen())) {
        s_.playErrorSound();
        s_.platform.notices.Show(kRotatorInitFailedText, kRotatorErrorCaption, NoticeIcon::Exclamation);
        return;
    }
    rotorOpen_ = true;
    EnsureReadBack();
}

void TrackingController::SetStation(const ObserverGeo& station) {
    std::lock_guard<std::mutex> control(control_);
    s_.station = station;
}

void TrackingController::ReconfigureRotator(const std::function<void()>& write) {
    bool tracking;
    {
        std::lock_guard<std::mutex> lock(s_.sync.trackingLock);
        tracking = orbit_ != nullptr;
    }
    if (tracking) StartTracking(true, true, "");
    {
        std::lock_guard<std::mutex> control(control_);
        write();
    }
    InitRotator();
}

void TrackingController::StopTrackingThread() {
    stopTracking_.Set();
    if (tracker_.joinable()) tracker_.join();
}

uint32_t TrackingController::StartTracking(bool stop, bool noRadio, const std::string& name) {
    std::lock_guard<std::mutex> control(control_);
    const uint32_t start = ++starts_;
    if (s_.announceStart) s_.announceStart(start);
    StopTrackingThread();
    const RotatorSnapshot rotator = Snapshot();
    bool wasTracking;
    {
        std::lock_guard<std::mutex> lock(s_.sync.trackingLock);
        wasTracking = orbit_ != nullptr;
        orbit_.reset();
        rotator_ = rotator;
        lastElevation_ = std::numeric_limits<double>::quiet_NaN();
    }
    s_.data.Clear();
    // Shutdown stops whatever ran: a stop of nothing is not news in the log.
    if (!stop || wasTracking) s_.platform.log.Record(stop ? "Tracking stopped" : "Tracking " + name);

    bool tracking;
    if (rotator.type == kRotatorLevel1) {
        tracking = StartLevel1(stop, noRadio, name);
    } else {
        if (s_.serial && wasTracking) s_.serial->StopTimeout();
        // A serial rotator that cannot be reached (or is busy with a box
        // dialogue) leaves the satellite untracked.
        if (s_.serial && !s_.serial->StartOutput(name, stop)) return start;
        tracking = !stop && CreateTrackingState(name);
        if (!stop && !tracking) {
            s_.playErrorSound();
            Tell(kRotatorNotMovedText, kRotorErrorCaption);
        }
    }
    if (tracking) StartTrackingThread();
    return start;
}

bool TrackingController::CreateTrackingState(const std::string& name) {
    KepsRecord keps;
    std::string path;
    {
        std::lock_guard<std::recursive_mutex> lock(s_.sync.scheduleLock);
        const int slot = FindKepsByName(s_.keps, name.c_str());
        if (slot < 0 || name.empty()) return false;
        keps = s_.keps.slots[slot];
        if (!FindSatelliteKey(s_.platform.registry, name, path)) path.clear();
    }
    const double now = DayNumberFromUnixTime(s_.platform.clock.NowUnix());
    auto orbit = std::make_unique<SatState>();
    InitSatState(keps, *orbit, now);
    ObserverGeo observer = s_.station;
    bool overhead = false;
    if (rotator_.flip) {
        // The pass being worked (or the next one) decides the flip, from its
        // azimuths and the rotator's end stop.
        orbit->searchState = kSearchStart;
        orbit->aos = -1.0;
        orbit->los = 0.0;
        orbit->overhead = 0;
        const PassSearchSettings search{true, rotator_.stopPosition != 0, kFlipSearchDays};
        int result = kPassStepSearching;
        while (result == kPassStepSearching && orbit->now <= now + kFlipSearchDays) {
            result = PassSearchStep(*orbit, observer, search);
        }
        overhead = orbit->overhead != 0;
    }
    std::lock_guard<std::mutex> lock(s_.sync.trackingLock);
    orbit_ = std::move(orbit);
    observer_ = observer;
    flipOverhead_ = overhead;
    keyPath_ = path;
    LoadLinks();
    return true;
}

// Under TrackingLock.
void TrackingController::LoadLinks() {
    const double fine = links_.fineOffsetHz;
    links_ = RadioLinks{};
    links_.fineOffsetHz = fine;
    std::unique_ptr<RegKey> key;
    if (!keyPath_.empty()) key = s_.platform.registry.Open(RegRoot::LocalMachine, keyPath_);
    if (key) LoadSatelliteLinks(s_.platform.registry, *key, links_);
}

// True once the satellite is tracked, whether or not rotor and radio opened.
bool TrackingController::StartLevel1(bool stop, bool noRadio, const std::string& name) {
    {
        std::lock_guard<std::mutex> lock(s_.sync.trackingLock);
        links_.fineOffsetHz = 0.0;
    }
    if (radioOpen_.exchange(false)) s_.driver->RadioClose();
    if (stop) {
        Park();
        return false;
    }
    // An unknown satellite is not tracked, silently.
    if (!CreateTrackingState(name)) return false;
    if (!rotorOpen_) {
        if (!s_.driver || !Opened(s_.driver->RotorOpen())) {
            Tell(kRotorDriverFailedText, kRotatorErrorCaption);
            return true;
        }
        rotorOpen_ = true;
        EnsureReadBack();
    }
    if (!noRadio) OpenRadio();
    return true;
}

void TrackingController::OpenRadio() {
    RadioLinks links;
    bool haveKey;
    {
        std::lock_guard<std::mutex> lock(s_.sync.trackingLock);
        links = links_;
        haveKey = !keyPath_.empty();
    }
    if (!haveKey) {
        Tell(kRotorDriverFailedText, kRotatorErrorCaption);
        return;
    }
    // The radio is asked for the bands it really tunes: behind a transverter
    // that is the intermediate frequency.
    const uint32_t mask = RadioBandMask(links.downlinkHz - links.downlinkOffsetHz,
                                        links.uplinkHz - links.uplinkOffsetHz);
    if (!Opened(s_.driver->RadioOpen(mask))) {
        Tell(kRadioDriverFailedText, kRadioErrorCaption);
        return;
    }
    radioOpen_ = true;
    s_.driver->RadioSetMode(RadioModeCode(links.downlinkMode), RadioModeCode(links.uplinkMode));
}

void TrackingController::Park() {
    if (!rotator_.park || !rotorOpen_) return;
    // A stored position beyond any rotator's travel is brought to its edge.
    const int32_t az = static_cast<int32_t>(std::min<uint32_t>(rotator_.parkAz, 360));
    const int32_t el = static_cast<int32_t>(std::min<uint32_t>(rotator_.parkEl, 180));
    s_.driver->RotorSetPosition(az, el);
    s_.platform.log.Record("Rotator parked at azimuth " + std::to_string(az) + ", elevation " + std::to_string(el));
}

void TrackingController::StartTrackingThread() {
    stopTracking_.Reset();
    tracker_ = std::thread([this] {
        RunGuarded(s_.platform.log, "tracking thread", [this] {
            do {
                Step();
            } while (s_.platform.waits.WaitAny({&s_.sync.shutdown, &stopTracking_}, kTrackingStepMs) ==
                     kWaitTimeout);
        });
    });
}

void TrackingController::Step() {
    std::optional<TrackingPoint> point;
    RotatorSnapshot rotator;
    bool justRose;
    {
        std::lock_guard<std::mutex> lock(s_.sync.trackingLock);
        if (!orbit_) return;
        rotator = rotator_;
        orbit_->now = DayNumberFromUnixTime(s_.platform.clock.NowUnix());
        UpdateLookAngles(*orbit_, observer_);
        point = ComputeTrackingPoint(*orbit_, observer_.rangeRate, links_, rotator.flip && flipOverhead_);
        const double elevation = orbit_->elevation * 57.29577951308232;
        justRose = lastElevation_ < 0.0 && elevation >= 0.0;
        lastElevation_ = elevation;
    }
    if (!point) return;
    s_.data.Publish(TrackingText(*point), TrackingRecord(*point));
    if (rotator.rotorDisplay == 1 && point->elevation >= 0.0) {
        s_.display.ShowRotorPosition(point->antenna.azimuth, point->antenna.elevation);
    }
    if (rotator.type == kRotatorLevel1) DriveLevel1(*point);
    if (s_.serial) s_.serial->SendStep(SerialStep(*point, justRose));
}

void TrackingController::DriveLevel1(const TrackingPoint& point) {
    if (rotorOpen_) {
        s_.driver->RotorSetPosition(static_cast<int32_t>(point.antenna.azimuth),
                                    static_cast<int32_t>(point.antenna.elevation));
    }
    if (radioOpen_) s_.driver->RadioSetFrequency(DriverHz(point.tuning.downlinkHz), DriverHz(point.tuning.uplinkHz));
}

void TrackingController::SelectLink(char which, bool uplink) {
    std::lock_guard<std::mutex> control(control_);
    std::string path;
    RadioLinks links;
    {
        std::lock_guard<std::mutex> lock(s_.sync.trackingLock);
        path = keyPath_;
        links = links_;
    }
    std::unique_ptr<RegKey> key;
    if (!path.empty()) key = s_.platform.registry.Open(RegRoot::LocalMachine, path);
    if (!key) return;
    SelectSatelliteLink(s_.platform.registry, *key, which, uplink, links);
    {
        std::lock_guard<std::mutex> lock(s_.sync.trackingLock);
        links_.uplinkHz = links.uplinkHz;
        links_.uplinkOffsetHz = links.uplinkOffsetHz;
        links_.downlinkHz = links.downlinkHz;
        links_.downlinkOffsetHz = links.downlinkOffsetHz;
    }
    if (s_.serial) s_.serial->SelectFrequency(uplink, which, uplink ? links.uplinkHz : links.downlinkHz);
}

void TrackingController::StopTrackingLoop() { stopTracking_.Set(); }

void TrackingController::SetFineOffset(int32_t hz) {
    std::lock_guard<std::mutex> lock(s_.sync.trackingLock);
    links_.fineOffsetHz = hz;
}

// Started once the rotor is open and the display is to show its own
// position; it runs until shutdown.
void TrackingController::EnsureReadBack() {
    if (readBack_.joinable() || rotator_.rotorDisplay != 0) return;
    readBack_ = std::thread([this] { RunGuarded(s_.platform.log, "rotator read-back thread", [this] { ReadBackLoop(); }); });
}

void TrackingController::ReadBackLoop() {
    int16_t azimuth = 0, elevation = 0;
    while (s_.platform.waits.WaitAny({&s_.sync.shutdown}, kReadBackMs) == kWaitTimeout) {
        uint32_t display;
        {
            std::lock_guard<std::mutex> lock(s_.sync.trackingLock);
            display = rotator_.rotorDisplay;
        }
        if (display != 0 || !rotorOpen_) continue;
        s_.driver->RotorGetPosition(azimuth, elevation);
        s_.display.ShowRotorPosition(azimuth, elevation);
    }
}

void TrackingController::Shutdown() {
    std::lock_guard<std::mutex> control(control_);
    StopTrackingThread();
    if (readBack_.joinable()) readBack_.join();
    if (rotorOpen_.exchange(false)) s_.driver->RotorClose();
    if (radioOpen_.exchange(false)) s_.driver->RadioClose();
}

}  // namespace tarvon
