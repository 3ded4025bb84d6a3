#include "hardware/SoundSettings.h"

#include <gtest/gtest.h>

#include "hardware/StationSounds.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/RecordingSounds.h"

namespace tarvon {
namespace {

TEST(SoundSettings, EachTypeEnablesItsControls) {
    const struct {
        uint32_t type;
        bool checks, files, perSatellite;
    } cases[] = {{kSoundTypeNone, false, false, false}, {kSoundTypeBeeps, true, false, false},
                 {kSoundTypeWave, true, true, true},    {0, false, false, false},
                 {7, false, false, false}};
    for (const auto& c : cases) {
        const SoundControls got = SoundControlsFor(c.type);
        EXPECT_EQ(got.eventChecks, c.checks) << c.type;
        EXPECT_EQ(got.waveFiles, c.files) << c.type;
        EXPECT_EQ(got.perSatelliteWave, c.perSatellite) << c.type;
    }
    EXPECT_EQ(SoundTypeFromButtons(true, true), kSoundTypeWave);
    EXPECT_EQ(SoundTypeFromButtons(false, true), kSoundTypeBeeps);
    EXPECT_EQ(SoundTypeFromButtons(false, false), kSoundTypeNone);
}

// A fresh station plays nothing though the dialog offers two sounds; once
// saved from the dialog, the player follows what was saved.
TEST(SoundSettings, DialogDefaultsAndWhatTheyPlayOnceSaved) {
    MemoryRegistry registry;
    registry.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova\\General");
    RecordingSounds sounds;
    PlayStationSound(registry, sounds, StationSound::PrePass, "AO-16", "C:\\KOVA");
    EXPECT_TRUE(sounds.Played().empty());

    SoundSettings s = LoadSoundSettings(registry);
    EXPECT_EQ(s.enabled, (std::array<bool, kSoundEvents>{false, true, true, false, false}));
    EXPECT_EQ(s.type, kSoundTypeNone);
    s.type = kSoundTypeWave;
    s.perSatelliteWave = true;
    s.waveFiles[2] = std::string(300, 'm');
    SaveSoundSettings(registry, s);
    PlayStationSound(registry, sounds, StationSound::PrePass, "AO-16", "C:\\KOVA");
    PlayStationSound(registry, sounds, StationSound::NewMail, "", "C:\\KOVA");
    PlayStationSound(registry, sounds, static_cast<StationSound>(9), "", "C:\\KOVA");
    ASSERT_EQ(sounds.Played().size(), 2u);
    EXPECT_EQ(sounds.Played()[0].path, "C:\\KOVA\\AO-16.WAV");
    EXPECT_EQ(sounds.Played()[1].path, std::string(kWaveFileChars, 'm'));
    EXPECT_EQ(LoadSoundSettings(registry).waveFiles[2].size(), kWaveFileChars);
}

}  // namespace
}  // namespace tarvon
