#pragma once
// The station's five sound events, each silent, a system beep or a WAV file
// as the user set it up under SOFTWARE\Kova\General.
#include <string_view>

namespace tarvon {

class Registry;
class Sounds;

enum class StationSound { Error = 1, PrePass = 2, NewMail = 3, NewDownload = 4, TrackAos = 5 };

// `satName` matters only for the pre-pass sound; `kovaDirectory` is where the
// per-satellite pre-pass WAV files live.
void PlayStationSound(Registry& registry, Sounds& sounds, StationSound event, std::string_view satName,
                      std::string_view kovaDirectory);

}  // namespace tarvon
