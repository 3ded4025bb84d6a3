#include "platform/memory/RecordingSounds.h"

namespace tarvon {

void RecordingSounds::PlayWaveFile(std::string_view path) {
    std::lock_guard<std::mutex> lock(mutex_);
    played_.push_back({PlayedSound::Kind::WaveFile, std::string(path)});
}

void RecordingSounds::Beep(BeepKind kind) {
    std::lock_guard<std::mutex> lock(mutex_);
    played_.push_back({PlayedSound::Kind::Beep, std::string(), kind});
}

std::vector<PlayedSound> RecordingSounds::Played() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return played_;
}

}  // namespace tarvon
