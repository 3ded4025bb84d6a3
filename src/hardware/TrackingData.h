#pragma once
// The live tracking data that the DDE service hands to other programs: the
// text line and the 69-byte "TrackData" record. The tracking controller
// publishes them at each step; requests take copies. A lock keeps a request
// from copying half an update.
#include <array>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>

namespace tarvon {

constexpr size_t kTrackDataBytes = 69;
constexpr const char* kNoSatelliteText = "** NO SATELLITE **\n";

using TrackDataBytes = std::array<uint8_t, kTrackDataBytes>;

struct TrackDataRecord {
    std::string satName;       // at most 12 characters are kept
    double azimuth = 0.0;      // degrees, after the flip
    double elevation = 0.0;    // degrees, after the flip
    double uplinkHz = 0.0;     // to transmit
    double downlinkHz = 0.0;   // to receive
    double dopplerFactor = 0.0;
    int16_t uplinkMode = 0;    // index into the mode table
    int16_t downlinkMode = 0;
    double fineOffsetHz = 0.0;
    uint16_t phase = 0;        // orbit phase MA, 0..255
};

// The record's bytes, little-endian, field by field.
TrackDataBytes EncodeTrackData(const TrackDataRecord& record);

class TrackingDataBuffers {
public:
    // Both forms, as one update.
    void Publish(const std::string& text, const TrackDataRecord& record);
    // Nothing tracked: the "** NO SATELLITE **" line and a zero record.
    void Clear();

    // The text line with its terminating NUL, as handed out.
    std::string TextWithNul() const;
    TrackDataBytes Record() const;

private:
    mutable std::mutex mutex_;
    std::string text_ = kNoSatelliteText;
    TrackDataBytes record_{};
};

}  // namespace tarvon
