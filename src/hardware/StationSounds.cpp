#include "hardware/StationSounds.h"

#include <memory>
#include <string>

#include "platform/Registry.h"
#include "platform/Sounds.h"

namespace tarvon {
namespace {

struct SoundValues {
    const char* enabled;
    const char* wave;
};

SoundValues ValuesOf(StationSound event) {
    switch (event) {
        case StationSound::Error: return {"Error Sound", "Error WAV"};
        case StationSound::PrePass: return {"PrePass Sound", "PrePass WAV"};
        case StationSound::NewMail: return {"New Mail Sound", "New Mail WAV"};
        case StationSound::NewDownload: return {"New DL Sound", "New DL WAV"};
        case StationSound::TrackAos: return {"Track AOS Sound", "Track AOS WAV"};
    }
    return {"", ""};
}

constexpr uint32_t kNoSounds = 1, kBeepsOnly = 2, kWaveSounds = 3;

}  // namespace

void PlayStationSound(Registry& registry, Sounds& sounds, StationSound event, std::string_view satName,
                      std::string_view kovaDirectory) {
    std::unique_ptr<RegKey> key = registry.Open(RegRoot::LocalMachine, "SOFTWARE\\Kova\\General");
    if (!key) return;
    const SoundValues values = ValuesOf(event);
    uint32_t enabled = 0;
    RegReadDword(*key, values.enabled, enabled);
    if (enabled == 0) return;
    uint32_t type = kNoSounds;
    RegReadDword(*key, "Sound Type", type);
    if (type == kBeepsOnly) {
        if (event == StationSound::Error) sounds.Beep(BeepKind::Exclamation);
        if (event == StationSound::PrePass || event == StationSound::TrackAos) sounds.Beep(BeepKind::Question);
        return;
    }
    if (type != kWaveSounds) return;
    std::string file;
    RegReadString(*key, values.wave, file, 261);
    uint32_t perSatellite = 0;
    RegReadDword(*key, "PrePass Sat WAV", perSatellite);
    if (event == StationSound::PrePass && perSatellite) {
        file = std::string(kovaDirectory) + "\\" + std::string(satName) + ".WAV";
    }
    sounds.PlayWaveFile(file);
}

}  // namespace tarvon
