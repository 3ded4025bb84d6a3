#include "hardware/SoundSettings.h"

#include <memory>

#include "core/RegistryKeys.h"
#include "platform/Registry.h"

namespace tarvon {

SoundSettings LoadSoundSettings(Registry& registry) {
    SoundSettings s;
    std::unique_ptr<RegKey> key = registry.Open(RegRoot::LocalMachine, kGeneralKeyPath);
    if (!key) return s;
    RegReadDword(*key, "Sound Type", s.type);
    for (size_t i = 0; i < kSoundEvents; ++i) {
        uint32_t on = s.enabled[i] ? 1 : 0;
        RegReadDword(*key, kSoundEnabledValues[i], on);
        s.enabled[i] = on != 0;
        RegReadString(*key, kSoundWaveValues[i], s.waveFiles[i], kWaveFileChars + 1);
    }
    uint32_t perSatellite = 0;
    RegReadDword(*key, "PrePass Sat WAV", perSatellite);
    s.perSatelliteWave = perSatellite != 0;
    return s;
}

void SaveSoundSettings(Registry& registry, const SoundSettings& s) {
    std::unique_ptr<RegKey> key = registry.Create(RegRoot::LocalMachine, kGeneralKeyPath);
    if (!key) return;
    for (size_t i = 0; i < kSoundEvents; ++i) RegWriteDword(*key, kSoundEnabledValues[i], s.enabled[i] ? 1 : 0);
    RegWriteDword(*key, "PrePass Sat WAV", s.perSatelliteWave ? 1 : 0);
    RegWriteDword(*key, "Sound Type", s.type);
    for (size_t i = 0; i < kSoundEvents; ++i) {
        RegWriteString(*key, kSoundWaveValues[i], s.waveFiles[i].substr(0, kWaveFileChars));
    }
}

SoundControls SoundControlsFor(uint32_t type) {
    if (type == kSoundTypeWave) return {true, true, true};
    if (type == kSoundTypeBeeps) return {true, false, false};
    return {false, false, false};
}

uint32_t SoundTypeFromButtons(bool waveChecked, bool beepsChecked) {
    if (waveChecked) return kSoundTypeWave;
    return beepsChecked ? kSoundTypeBeeps : kSoundTypeNone;
}

}  // namespace tarvon
