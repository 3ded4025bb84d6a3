#include "core/StationLogFile.h"

#include <cstdio>
#include <string>
#include <system_error>

#include "core/TimeFormat.h"
#include "platform/Clock.h"

namespace tarvon {
namespace {

// A record is one line whatever its text holds, so that the file stays
// readable line by line.
std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return line;
}

bool AppendToFile(const std::filesystem::path& file, const std::string& bytes) {
#ifdef _WIN32
    std::FILE* f = _wfopen(file.c_str(), L"ab");
#else
    std::FILE* f = std::fopen(file.c_str(), "ab");
#endif
    if (!f) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return (std::fclose(f) == 0) && written;
}

}  // namespace

void StationLogFile::Open(const std::filesystem::path& folder) {
    std::lock_guard<std::mutex> lock(mutex_);
    file_ = folder / kStationLogFileName;
    previous_ = folder / kPreviousStationLogFileName;
}

void StationLogFile::Record(std::string_view text) {
    const std::string line =
        FormatUnixTime(clock_.NowUnix(), "%Y-%m-%d %H:%M:%S UTC  ") + OneLine(text) + "\r\n";
    std::lock_guard<std::mutex> lock(mutex_);
    if (file_.empty()) return;
    std::error_code ec;
    const uintmax_t size = std::filesystem::file_size(file_, ec);
    if (!ec && size > 0 && size + line.size() > limit_) {
        std::filesystem::rename(file_, previous_, ec);
    }
    // Nowhere to tell of a log that cannot be written; the station goes on.
    AppendToFile(file_, line);
}

}  // namespace tarvon
