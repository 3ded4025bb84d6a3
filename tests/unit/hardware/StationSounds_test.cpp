#include "hardware/StationSounds.h"

#include <gtest/gtest.h>

#include "hardware/SoundSettings.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/RecordingSounds.h"

namespace tarvon {
namespace {

// What the station plays for an event of AO-91: "" for nothing, a beep's
// kind, or the wave file.
std::string Played(Registry& registry, StationSound event, std::string_view sat = "AO-91") {
    RecordingSounds sounds;
    PlayStationSound(registry, sounds, event, sat, "C:\\KOVA");
    std::string played;
    for (const PlayedSound& p : sounds.Played()) {
        if (p.kind == PlayedSound::Kind::WaveFile) played += p.path;
        else played += p.beep == BeepKind::Question ? "question" : "exclamation";
    }
    return played;
}

TEST(StationSounds, WhatEachEventPlaysByTheStoredSettings) {
    struct Case {
        std::vector<std::pair<const char*, uint32_t>> values;
        StationSound event;
        const char* played;
    };
    const Case cases[] = {
        {{{"Sound Type", 2}}, StationSound::Error, ""},  // the event is not enabled
        {{{"Error Sound", 1}}, StationSound::Error, ""},  // no "Sound Type": silence
        {{{"Sound Type", 0xFFFFFFFF}, {"Error Sound", 1}}, StationSound::Error, ""},
        {{{"Sound Type", 2}, {"Error Sound", 1}}, StationSound::Error, "exclamation"},
        {{{"Sound Type", 2}, {"PrePass Sound", 1}}, StationSound::PrePass, "question"},
        {{{"Sound Type", 2}, {"Track AOS Sound", 1}}, StationSound::TrackAos, "question"},
        {{{"Sound Type", 2}, {"New Mail Sound", 1}}, StationSound::NewMail, ""},
        {{{"Sound Type", 3}, {"Track AOS Sound", 1}}, StationSound::TrackAos, "C:\\SOUNDS\\AOS.WAV"},
        {{{"Sound Type", 3}, {"PrePass Sound", 1}}, StationSound::PrePass, "C:\\SOUNDS\\PRE.WAV"},
        {{{"Sound Type", 3}, {"PrePass Sound", 1}, {"PrePass Sat WAV", 1}}, StationSound::PrePass,
         "C:\\KOVA\\AO-91.WAV"},
        // The per-satellite file is for the pre-pass sound only.
        {{{"Sound Type", 3}, {"Track AOS Sound", 1}, {"PrePass Sat WAV", 1}}, StationSound::TrackAos,
         "C:\\SOUNDS\\AOS.WAV"},
    };
    for (const Case& c : cases) {
        MemoryRegistry registry;
        auto general = registry.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova\\General");
        RegWriteString(*general, "Track AOS WAV", "C:\\SOUNDS\\AOS.WAV");
        RegWriteString(*general, "PrePass WAV", "C:\\SOUNDS\\PRE.WAV");
        for (const auto& [name, value] : c.values) RegWriteDword(*general, name, value);
        EXPECT_EQ(Played(registry, c.event), c.played) << &c - cases;
    }
}

// A fresh station plays nothing though the dialog offers two sounds; once
// saved from the dialog, the player follows what was saved.
TEST(SoundSettings, DialogDefaultsAndWhatTheyPlayOnceSaved) {
    MemoryRegistry registry;
    registry.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova\\General");
    EXPECT_EQ(Played(registry, StationSound::PrePass), "");
    SoundSettings s = LoadSoundSettings(registry);
    EXPECT_EQ(s.enabled, (std::array<bool, kSoundEvents>{false, true, true, false, false}));
    s.type = kSoundTypeWave;
    s.perSatelliteWave = true;
    s.waveFiles[2] = std::string(300, 'm');
    SaveSoundSettings(registry, s);
    EXPECT_EQ(Played(registry, StationSound::PrePass, "AO-16"), "C:\\KOVA\\AO-16.WAV");
    EXPECT_EQ(Played(registry, StationSound::NewMail), std::string(kWaveFileChars, 'm'));
    EXPECT_EQ(Played(registry, static_cast<StationSound>(9)), "");
    EXPECT_EQ(LoadSoundSettings(registry).waveFiles[2].size(), kWaveFileChars);
}

}  // namespace
}  // namespace tarvon
