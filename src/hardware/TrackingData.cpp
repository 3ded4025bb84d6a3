#include "hardware/TrackingData.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace tarvon {
namespace {

constexpr size_t kNameField = 13;

class RecordWriter {
public:
    explicit RecordWriter(TrackDataBytes& bytes) : bytes_(bytes) {}
    void Text(const std::string& text, size_t field) {
        size_t length = std::min(text.size(), field - 1);
        std::memcpy(bytes_.data() + at_, text.data(), length);
        at_ += field;
    }
    void Double(double value) { Unsigned(std::bit_cast<uint64_t>(value), 8); }
    void Unsigned(uint64_t value, size_t size) {
        for (size_t i = 0; i < size; ++i) bytes_[at_++] = static_cast<uint8_t>(value >> (8 * i));
    }

private:
    TrackDataBytes& bytes_;
    size_t at_ = 0;
};

}  // namespace

TrackDataBytes EncodeTrackData(const TrackDataRecord& record) {
    TrackDataBytes bytes{};
    RecordWriter out(bytes);
    out.Text(record.satName, kNameField);
    out.Double(record.azimuth);
    out.Double(record.elevation);
    out.Double(record.uplinkHz);
    out.Double(record.downlinkHz);
    out.Double(record.dopplerFactor);
    out.Unsigned(static_cast<uint16_t>(record.uplinkMode), 2);
    out.Unsigned(static_cast<uint16_t>(record.downlinkMode), 2);
    out.Double(record.fineOffsetHz);
    out.Unsigned(0, 2);
    out.Unsigned(record.phase, 2);
    return bytes;
}

void TrackingDataBuffers::Publish(const std::string& text, const TrackDataRecord& record) {
    TrackDataBytes bytes = EncodeTrackData(record);
    std::lock_guard<std::mutex> lock(mutex_);
    text_ = text;
    record_ = bytes;
}

void TrackingDataBuffers::Clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    text_ = kNoSatelliteText;
    record_ = TrackDataBytes{};
}

std::string TrackingDataBuffers::TextWithNul() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return text_ + '\0';
}

TrackDataBytes TrackingDataBuffers::Record() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return record_;
}

}  // namespace tarvon
