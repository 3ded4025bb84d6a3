#pragma once
// The "Setup Sounds" dialog's values and rules: the five events' switches and
// WAV files, the sound type, and which controls each type leaves usable.
#include <array>
#include <cstdint>
#include <string>

namespace tarvon {

class Registry;

constexpr uint32_t kSoundTypeNone = 1, kSoundTypeBeeps = 2, kSoundTypeWave = 3;
constexpr size_t kSoundEvents = 5;  // error, pre-pass, new mail, new download, track AOS
constexpr uint32_t kWaveFileChars = 260;
// The registry values of SOFTWARE\Kova\General, by event (error first).
constexpr const char* kSoundEnabledValues[kSoundEvents] = {"Error Sound", "PrePass Sound", "New Mail Sound",
                                                           "New DL Sound", "Track AOS Sound"};
constexpr const char* kSoundWaveValues[kSoundEvents] = {"Error WAV", "PrePass WAV", "New Mail WAV",
                                                        "New DL WAV", "Track AOS WAV"};

struct SoundSettings {
    uint32_t type = kSoundTypeNone;
    // The dialog offers pre-pass and new-mail sounds on a fresh station.
    std::array<bool, kSoundEvents> enabled{false, true, true, false, false};
    std::array<std::string, kSoundEvents> waveFiles;
    bool perSatelliteWave = false;
};

// As the dialog shows them: stored values over the dialog's defaults.
SoundSettings LoadSoundSettings(Registry& registry);
// Writes the six switches, the type and the five file names.
void SaveSoundSettings(Registry& registry, const SoundSettings& settings);

struct SoundControls {
    bool eventChecks;      // the five event check boxes
    bool waveFiles;        // the five file fields
    bool perSatelliteWave; // "Different pre-pass WAV per satellite"
};
SoundControls SoundControlsFor(uint32_t type);

// The type from the three buttons: WAV sounds over beeps over none.
uint32_t SoundTypeFromButtons(bool waveChecked, bool beepsChecked);

}  // namespace tarvon
