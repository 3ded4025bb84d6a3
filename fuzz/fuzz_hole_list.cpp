// The directory hole list: any bytes decode to no more holes than the file
// holds, survive a rewrite unchanged, and every edit keeps only holes that
// end after the cutoff and start no earlier than it.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "maint/DirectoryHoles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tarvon;
    if (size < 7) return 0;
    // The first bytes choose the edit and the time; the rest is the file.
    HoleEdit edit{(data[0] & 1) != 0, (data[0] & 2) != 0, static_cast<uint32_t>(data[1] | data[2] << 8) % 10000};
    int32_t now;
    std::memcpy(&now, data + 3, 4);
    const std::span<const uint8_t> file(data + 7, size - 7);

    const std::vector<DirectoryHole> holes = DecodeHoleList(file);
    if (file.size() < 4 ? !holes.empty() : holes.size() > (file.size() - 4) / 8) __builtin_trap();
    if (DecodeHoleList(EncodeHoleList(holes)) != holes) __builtin_trap();

    const std::vector<DirectoryHole> edited = EditHoles(holes, edit, now);
    if (edit.removeHoles) {
        if (edited.size() != 1 || edited[0].end != kOpenEndedHole) __builtin_trap();
        return 0;
    }
    const int64_t cutoff = edit.resetDate ? int64_t{now} - int64_t{edit.days} * 86400 : now;
    if (edited.size() > holes.size()) __builtin_trap();
    for (const DirectoryHole& hole : edited) {
        if (hole.end <= cutoff || hole.start < cutoff) __builtin_trap();
    }
    return 0;
}
