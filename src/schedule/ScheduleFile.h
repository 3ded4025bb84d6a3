#pragma once
// "Kova Schedule.DAT": the format word 2007 and the 100-byte pass records, so
// that the coming passes and the user's edits of them survive a restart.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "schedule/ScheduleState.h"

namespace tarvon {

constexpr uint16_t kScheduleFormatWord = 2007;
constexpr const char* kScheduleFileName = "Kova Schedule.DAT";

// The file in the suite directory (the current directory when none is set).
std::filesystem::path ScheduleFilePath(const Settings& settings);

// The records of a file image; empty unless it starts with the format word. A
// short last record is completed with zero bytes.
std::vector<SchedulePass> DecodeScheduleFile(const std::vector<uint8_t>& bytes);

// The file image of the passes that are kept (all but unfinished manual ones).
std::vector<uint8_t> EncodeScheduleFile(const PassList& passes);

// Inserts the stored passes that have not ended (LOS at least 20 s ahead) and
// moves each one's satellite search to 300 s after it.
void LoadScheduleFile(ScheduleState& s, const std::filesystem::path& path);

// Writes the file through a temporary file and then empties the schedule.
// When the file cannot be written the old file and the schedule in memory stay
// as they were, and false is returned.
bool SaveScheduleFile(ScheduleState& s, const std::filesystem::path& path);

}  // namespace tarvon
