#include "schedule/ScheduleFile.h"

#include <algorithm>
#include <mutex>

#include "core/FileReplace.h"
#include "core/Utf8Path.h"
#include "platform/Notices.h"
#include "schedule/PassInsertion.h"

namespace tarvon {
namespace {

constexpr int32_t kLoadIfLosAhead = 20;
constexpr int32_t kSearchAfterStoredLos = 300;

bool IsKept(const SchedulePass& pass) { return pass.state == 1 || pass.priority >= 1; }

}  // namespace

std::filesystem::path ScheduleFilePath(const Settings& settings) {
    return SuiteFilePath(settings.general.kovaDirectory, kScheduleFileName);
}

std::vector<SchedulePass> DecodeScheduleFile(const std::vector<uint8_t>& bytes) {
    std::vector<SchedulePass> passes;
    if (bytes.size() < 2 || (bytes[0] | (bytes[1] << 8)) != kScheduleFormatWord) return passes;
    for (size_t at = 2; at < bytes.size(); at += kSchedulePassBytes) {
        passes.push_back(DecodeSchedulePass(bytes.data() + at, bytes.size() - at));
    }
    return passes;
}

std::vector<uint8_t> EncodeScheduleFile(const PassList& passes) {
    std::vector<uint8_t> bytes{uint8_t(kScheduleFormatWord & 0xFF), uint8_t(kScheduleFormatWord >> 8)};
    for (const PassRef& pass : passes) {
        if (IsKept(*pass)) EncodeSchedulePass(*pass, bytes);
    }
    return bytes;
}

void LoadScheduleFile(ScheduleState& s, const std::filesystem::path& path) {
    std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
    s.passes.clear();
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) return;
    for (SchedulePass& stored : DecodeScheduleFile(bytes)) {
        if (int64_t(s.Now()) + kLoadIfLosAhead > stored.los) continue;
        if (SatelliteRef satellite = FindSatStateByName(s, stored.satName)) {
            satellite->search->Restart(int32_t(std::min<int64_t>(int64_t(stored.los) + kSearchAfterStoredLos, kNever)));
        }
        InsertPass(s, std::make_shared<SchedulePass>(std::move(stored)));
    }
}

bool SaveScheduleFile(ScheduleState& s, const std::filesystem::path& path) {
    std::lock_guard<std::recursive_mutex> lock(s.services.sync.scheduleLock);
    if (!ReplaceFileContents(path, EncodeScheduleFile(s.passes))) return false;
    s.passes.clear();
    s.engine.listedItemCount = 0;
    s.services.platform.notices.RequestRedraw(RedrawTarget::SchedulePane);
    return true;
}

}  // namespace tarvon
