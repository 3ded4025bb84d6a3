#include "hardware/TrackingData.h"

#include <gtest/gtest.h>

#include <thread>

namespace tarvon {
namespace {

uint64_t Le(const TrackDataBytes& b, size_t at, size_t size) {
    uint64_t v = 0;
    for (size_t i = 0; i < size; ++i) v |= uint64_t(b[at + i]) << (8 * i);
    return v;
}

TEST(TrackingData, RecordLayoutIsLittleEndianFieldByField) {
    TrackDataRecord r{"AO-16", 200.5, 30.25, 145900000.0, 437026000.0, 1.0000166782, 3, -2, -150.0, 255};
    TrackDataBytes b = EncodeTrackData(r);

    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data())), "AO-16");
    for (size_t i = 5; i < 13; ++i) EXPECT_EQ(b[i], 0) << i;
    const struct {
        size_t at;
        double value;
    } doubles[] = {{13, 200.5}, {21, 30.25}, {29, 145900000.0}, {37, 437026000.0},
                   {45, 1.0000166782}, {57, -150.0}};
    for (const auto& d : doubles) {
        EXPECT_EQ(Le(b, d.at, 8), std::bit_cast<uint64_t>(d.value)) << d.at;
    }
    EXPECT_EQ(Le(b, 53, 2), 3u);
    EXPECT_EQ(Le(b, 55, 2), 0xFFFEu);
    EXPECT_EQ(Le(b, 65, 2), 0u);
    EXPECT_EQ(Le(b, 67, 2), 255u);
    r.satName = "A-VERY-LONG-SATELLITE-NAME";  // cut, keeping its terminator
    b = EncodeTrackData(r);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data())), "A-VERY-LONG-");
}

// The text served before, during and after tracking is the DDE scenarios'
// (e2e.tracking_level1).
TEST(TrackingData, ReadersNeverSeeHalfAnUpdate) {
    TrackingDataBuffers buffers;
    TrackDataRecord a, b;
    a.satName = "AAAAAAAAAAAA";
    a.azimuth = 1.0;
    b.satName = "BBBBBBBBBBBB";
    b.azimuth = 2.0;
    const TrackDataBytes ea = EncodeTrackData(a), eb = EncodeTrackData(b);
    std::thread writer([&] {
        for (int i = 0; i < 20000; ++i) buffers.Publish(i % 2 ? "A\n" : "B\n", i % 2 ? a : b);
    });
    for (int i = 0; i < 20000; ++i) {
        TrackDataBytes got = buffers.Record();
        ASSERT_TRUE(got == ea || got == eb || got == TrackDataBytes{});
    }
    writer.join();
}

}  // namespace
}  // namespace tarvon
