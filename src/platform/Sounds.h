#pragma once
// The station's sound output: wave files played in the background, and the
// system's standard beeps. Which sound belongs to which station event is
// decided elsewhere.
#include <string_view>

namespace tarvon {

enum class BeepKind { Exclamation, Question };

class Sounds {
public:
    virtual ~Sounds() = default;
    // Starts playing the file and returns at once. Whether it can be played
    // is only known to the player; a missing file stays silent rather than
    // falling back to the system's default sound.
    virtual void PlayWaveFile(std::string_view path) = 0;
    virtual void Beep(BeepKind kind) = 0;
};

}  // namespace tarvon
