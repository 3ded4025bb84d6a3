#include "hardware/StationSounds.h"

#include <gtest/gtest.h>

#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/RecordingSounds.h"

namespace tarvon {
namespace {

using Kind = PlayedSound::Kind;

struct Expected {
    bool played;
    Kind kind = Kind::Beep;
    BeepKind beep = BeepKind::Exclamation;
    const char* path = "";
};

class StationSoundsTest : public ::testing::Test {
protected:
    void Set(const char* name, uint32_t value) { RegWriteDword(*general, name, value); }
    void SetText(const char* name, const char* value) { RegWriteString(*general, name, value); }

    void Check(StationSound event, const Expected& e) {
        RecordingSounds sounds;
        PlayStationSound(registry, sounds, event, "AO-91", "C:\\KOVA");
        auto played = sounds.Played();
        ASSERT_EQ(played.size(), e.played ? 1u : 0u);
        if (!e.played) return;
        EXPECT_EQ(played[0].kind, e.kind);
        if (e.kind == Kind::Beep) {
            EXPECT_EQ(played[0].beep, e.beep);
        }
        if (e.kind == Kind::WaveFile) {
            EXPECT_EQ(played[0].path, e.path);
        }
    }

    MemoryRegistry registry;
    std::unique_ptr<RegKey> general = registry.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova\\General");
};

TEST_F(StationSoundsTest, NothingUnlessTheEventIsEnabled) {
    Set("Sound Type", 2);
    Check(StationSound::Error, {false});
    Set("Error Sound", 0);
    Check(StationSound::Error, {false});
}

TEST_F(StationSoundsTest, NoSoundTypeMeansSilence) {
    Set("Error Sound", 1);
    Check(StationSound::Error, {false});  // "Sound Type" missing: no sounds
    for (uint32_t type : {1u, 0u, 4u, 0xFFFFFFFFu}) {
        Set("Sound Type", type);
        Check(StationSound::Error, {false});
    }
}

TEST_F(StationSoundsTest, BeepsByEvent) {
    Set("Sound Type", 2);
    for (const char* name : {"Error Sound", "PrePass Sound", "New Mail Sound", "New DL Sound", "Track AOS Sound"}) {
        Set(name, 1);
    }
    Check(StationSound::Error, {true, Kind::Beep, BeepKind::Exclamation});
    Check(StationSound::PrePass, {true, Kind::Beep, BeepKind::Question});
    Check(StationSound::TrackAos, {true, Kind::Beep, BeepKind::Question});
    Check(StationSound::NewMail, {false});
    Check(StationSound::NewDownload, {false});
}

TEST_F(StationSoundsTest, WaveFilesAndThePerSatellitePrePassFile) {
    Set("Sound Type", 3);
    Set("Track AOS Sound", 1);
    Set("PrePass Sound", 1);
    SetText("Track AOS WAV", "C:\\SOUNDS\\AOS.WAV");
    SetText("PrePass WAV", "C:\\SOUNDS\\PRE.WAV");
    Check(StationSound::TrackAos, {true, Kind::WaveFile, BeepKind::Exclamation, "C:\\SOUNDS\\AOS.WAV"});
    Check(StationSound::PrePass, {true, Kind::WaveFile, BeepKind::Exclamation, "C:\\SOUNDS\\PRE.WAV"});
    Set("PrePass Sat WAV", 1);
    Check(StationSound::PrePass, {true, Kind::WaveFile, BeepKind::Exclamation, "C:\\KOVA\\AO-91.WAV"});
    // The per-satellite file is for the pre-pass sound only.
    Check(StationSound::TrackAos, {true, Kind::WaveFile, BeepKind::Exclamation, "C:\\SOUNDS\\AOS.WAV"});
}

}  // namespace
}  // namespace tarvon
