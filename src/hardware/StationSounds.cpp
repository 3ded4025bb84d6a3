#include "hardware/StationSounds.h"

#include <memory>
#include <string>

#include "core/RegistryKeys.h"
#include "hardware/SoundSettings.h"
#include "platform/Registry.h"
#include "platform/Sounds.h"

namespace tarvon {

void PlayStationSound(Registry& registry, Sounds& sounds, StationSound event, std::string_view satName,
                      std::string_view kovaDirectory) {
    std::unique_ptr<RegKey> key = registry.Open(RegRoot::LocalMachine, kGeneralKeyPath);
    if (!key) return;
    const size_t index = static_cast<size_t>(event) - 1;
    if (index >= kSoundEvents) return;
    uint32_t enabled = 0;
    RegReadDword(*key, kSoundEnabledValues[index], enabled);
    if (enabled == 0) return;
    uint32_t type = kSoundTypeNone;
    RegReadDword(*key, "Sound Type", type);
    if (type == kSoundTypeBeeps) {
        if (event == StationSound::Error) sounds.Beep(BeepKind::Exclamation);
        if (event == StationSound::PrePass || event == StationSound::TrackAos) sounds.Beep(BeepKind::Question);
        return;
    }
    if (type != kSoundTypeWave) return;
    std::string file;
    RegReadString(*key, kSoundWaveValues[index], file, kWaveFileChars + 1);
    uint32_t perSatellite = 0;
    RegReadDword(*key, "PrePass Sat WAV", perSatellite);
    if (event == StationSound::PrePass && perSatellite) {
        file = std::string(kovaDirectory) + "\\" + std::string(satName) + ".WAV";
    }
    sounds.PlayWaveFile(file);
}

}  // namespace tarvon
