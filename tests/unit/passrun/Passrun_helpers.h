#pragma once
// The in-memory station the pass-execution tests run on, and the registry
// keys they set up: satellites with their programs, and scheduled events.
#include <optional>
#include <string>

#include "core/ProcessState.h"
#include "core/SatelliteConfig.h"
#include "core/Settings.h"
#include "passrun/ScheduledEvents.h"
#include "platform/memory/FakeClock.h"
#include "platform/memory/FakeProcesses.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/MemoryStationLog.h"
#include "platform/memory/RecordingNotices.h"
#include "platform/memory/RecordingSounds.h"
#include "platform/memory/ScriptedWaits.h"

namespace tarvon::testing {

struct EventKey {
    std::string name;
    uint32_t run = kRunRegularly;
    uint32_t time = 0;
    uint32_t associate = kAssociateNoSatellite;
    std::string program{};  // none when empty
    std::string satellite{};
    uint32_t active = 1;
    uint32_t display = 0;
    std::string key{};  // the name when empty
};

struct PassrunStation {
    explicit PassrunStation(int32_t now) : clock(int64_t(now) * 1000) {}

    // A satellite key with its program; returns the key's path.
    std::string AddSatellite(const std::string& key, const std::string& name, const std::string& program) {
        const std::string path = std::string(kSatellitesKeyPath) + "\\" + key;
        auto k = registry.Create(RegRoot::LocalMachine, path);
        RegWriteString(*k, "Name", name);
        RegWriteString(*k, "Program", program);
        return path;
    }
    std::unique_ptr<RegKey> AddEvent(const EventKey& e) {
        auto k = registry.Create(RegRoot::LocalMachine,
                                 std::string(kEventsKeyPath) + "\\" + (e.key.empty() ? e.name : e.key));
        RegWriteString(*k, "Name", e.name);
        RegWriteDword(*k, "Run", e.run);
        RegWriteDword(*k, "Time", e.time);
        RegWriteDword(*k, "Associate", e.associate);
        if (!e.program.empty()) RegWriteString(*k, "Program", e.program);
        RegWriteString(*k, "Satellite", e.satellite);
        RegWriteDword(*k, "Active", e.active);
        RegWriteDword(*k, "Display", e.display);
        return k;
    }
    // A DWORD of an event's key, nothing when it is not there.
    std::optional<uint32_t> EventValue(const std::string& key, const char* value) {
        auto k = registry.Open(RegRoot::LocalMachine, std::string(kEventsKeyPath) + "\\" + key);
        uint32_t v = 0;
        if (!k || !RegReadDword(*k, value, v)) return std::nullopt;
        return v;
    }

    MemoryRegistry registry;
    FakeClock clock;
    ScriptedWaits waits{&clock};
    RecordingNotices notices;
    MemoryStationLog log;
    RecordingSounds sounds;
    PlatformServices platform{registry, clock, waits, notices, log};
    FakeProcesses processes;
    SyncObjects sync;
    Settings settings;
};

}  // namespace tarvon::testing
