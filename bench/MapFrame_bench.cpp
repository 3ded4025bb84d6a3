// The portable share of one map frame in fast motion: the scene at the next
// time step with the look angles of five observers, the satellite's and the
// Sun's circles split at the map's side; and the ground track that is
// recomputed once an orbit.
#include <benchmark/benchmark.h>

#include "BenchData.h"
#include "core/Settings.h"
#include "core/TimeScales.h"
#include "orbit/MapScene.h"
#include "orbit/ObserverGeometry.h"

namespace tarvon {
namespace {

constexpr int32_t kStart = 1778457600;  // 2026-05-11 00:00 UTC, the bulletin's epoch

MapScene IssScene() {
    const KepsDatabase db = BulletinDatabase();
    MapScene scene;
    scene.time = DayNumberFromUnixTime(kStart);
    ShowSatelliteInScene(scene, db.slots[FindKepsByName(db, "ISS")], scene.time);
    return scene;
}

void BM_MapFrame(benchmark::State& state) {
    MapScene scene = IssScene();
    StationConfig station;
    station.latitude = 52.2;
    ObserverGeo observers[5];
    for (int i = 0; i < 5; ++i) {
        station.longitude = 30.0 * i;
        observers[i] = ObserverFromStation(station);
    }
    const double step = FastStepFor(100, scene.body.meanMotion);
    for (auto _ : state) {
        scene.time += step;
        UpdateMapScene(scene, observers[0]);
        for (ObserverGeo& o : observers) {
            SetupObserver(o, scene.body);
            ComputeLookAngles(scene.body, o);
            RangeRateAndSquint(scene.body, o);
        }
        const auto circle = AcquisitionCircle(scene.body.subLatitude, scene.body.subLongitude, scene.body.height, -17);
        const auto terminator = AcquisitionCircle(scene.sun.subLatitude, scene.sun.subLongitude, scene.sun.height, -17);
        benchmark::DoNotOptimize(MapPolyline(circle.data(), circle.size(), true));
        benchmark::DoNotOptimize(MapPolyline(terminator.data(), terminator.size(), true));
    }
}
BENCHMARK(BM_MapFrame);

void BM_GroundTrack(benchmark::State& state) {
    const MapScene scene = IssScene();
    MapPoint points[kGroundTrackPoints];
    for (auto _ : state) {
        ComputeGroundTrack(scene, GroundTrackSpanAt(scene.time, scene.body.meanMotion, true), -17, points);
        benchmark::DoNotOptimize(points);
    }
}
BENCHMARK(BM_GroundTrack);

}  // namespace
}  // namespace tarvon
