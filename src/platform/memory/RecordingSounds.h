#pragma once
// Sounds that are only written down, in the order they were asked for.
#include <mutex>
#include <string>
#include <vector>

#include "platform/Sounds.h"

namespace tarvon {

struct PlayedSound {
    enum class Kind { WaveFile, Beep };
    Kind kind;
    std::string path;  // the wave file; empty for a beep
    BeepKind beep = BeepKind::Exclamation;
};

class RecordingSounds final : public Sounds {
public:
    void PlayWaveFile(std::string_view path) override;
    void Beep(BeepKind kind) override;
    std::vector<PlayedSound> Played() const;

private:
    mutable std::mutex mutex_;
    std::vector<PlayedSound> played_;
};

}  // namespace tarvon
