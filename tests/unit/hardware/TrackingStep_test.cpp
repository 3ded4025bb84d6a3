#include "hardware/TrackingStep.h"

#include <gtest/gtest.h>

#include <cstring>

#include "hardware/DriverCodes.h"

namespace tarvon {
namespace {

constexpr double kDeg = 0.017453292519943295;

TEST(TrackingStep, DopplerAndTransverters) {
    struct Case {
        const char* what;
        RadioLinks links;
        double rangeRate, uplinkHz, downlinkHz;
    } cases[] = {
        {"receding: downlink low, uplink high", {145e6, 435e6, 0, 0, 0}, 5.0, 145e6 + 2418.6, 435e6 - 7255.0},
        {"fine offset on the downlink only", {145e6, 435e6, 0, 0, -150}, 0.0, 145e6, 435e6 - 150},
        {"2401 MHz behind a 2256 MHz transverter", {0, 2401e6, 0, 2256e6, 0}, 0.0, 0, 145e6},
        {"1269 MHz up through a 1124 MHz transverter", {1269e6, 0, 1124e6, 0, 0}, 0.0, 145e6, 0},
    };
    for (const Case& c : cases) {
        const DopplerTuning t = TuneForDoppler(c.links, c.rangeRate);
        EXPECT_NEAR(t.uplinkHz, c.uplinkHz, 1.0) << c.what;
        EXPECT_NEAR(t.downlinkHz, c.downlinkHz, 1.0) << c.what;
    }
}

TEST(TrackingStep, WhereTheAntennaPoints) {
    struct Case {
        double azimuth, elevation;
        bool flip;
        bool steered;
        double sentAzimuth, sentElevation;
    } cases[] = {
        {200, 30, true, true, 20, 150},  {180, 30, true, true, 360, 150}, {90, 10, true, true, 270, 170},
        {200, 30, false, true, 200, 30}, {45, -2, false, true, 45, -2},   {45, -4, false, false, 0, 0},
    };
    for (const Case& c : cases) {
        SatState s;
        std::strcpy(s.name, "AO-91");
        s.azimuth = c.azimuth * kDeg;
        s.elevation = c.elevation * kDeg;
        const auto point = ComputeTrackingPoint(s, 0.0, {}, c.flip);
        ASSERT_EQ(point.has_value(), c.steered) << c.azimuth << "/" << c.elevation;
        if (!point) continue;
        EXPECT_NEAR(point->antenna.azimuth, c.sentAzimuth, 1e-9);
        EXPECT_NEAR(point->antenna.elevation, c.sentElevation, 1e-9);
        EXPECT_NEAR(point->elevation, c.elevation, 1e-9);
    }
}

TEST(TrackingStep, TrackingTextAndRecord) {
    SatState s;
    std::strcpy(s.name, "AO-91");
    s.azimuth = 123.45 * kDeg;
    s.elevation = 30.0 * kDeg;
    s.phase = 255.9;
    RadioLinks links{145.9e6, 435.25e6, 0, 0, 0, 3, 99};
    const TrackingPoint p = *ComputeTrackingPoint(s, 0.0, links, false);
    EXPECT_EQ(TrackingText(p), "SNAO-91 AZ123.5 EL30.0 UP145900000 UMUSB DN435250000 DMFM-N\n");
    const TrackDataRecord r = TrackingRecord(p);
    EXPECT_EQ(r.downlinkMode, 2);  // an index beyond the list reads as the default
    EXPECT_EQ(r.phase, 255);
    EXPECT_EQ(r.dopplerFactor, 1.0);
}

TEST(TrackingStep, DriverFrequencies) {
    const std::pair<double, uint32_t> cases[] = {{435007255.9, 435007255}, {-3.0, 0}, {10.5e9, 0}, {0.0, 0}};
    for (const auto& [hz, sent] : cases) EXPECT_EQ(DriverHz(hz), sent) << hz;
}

TEST(DriverCodes, BandMaskClassifiesTheTunedFrequencies) {
    struct Case {
        double downlinkHz, uplinkHz;
        uint32_t mask;
    } cases[] = {
        {145.8e6, 435.0e6, 0x0201}, {1269.0e6, 2401.0e6, 0x0804}, {159.999e6, 160.0e6, 0x0201},
        {2450.0e6, 0.0, 0x0000},    {145.0e6, 0.0, 0x0001},       {0.0, 1299.9e6, 0x0400},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RadioBandMask(c.downlinkHz, c.uplinkHz), c.mask) << c.downlinkHz << " / " << c.uplinkHz;
    }
}

}  // namespace
}  // namespace tarvon
