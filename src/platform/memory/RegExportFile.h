#pragma once
// Registry export files (.reg), read into a registry. Both headers are
// understood, "REGEDIT4" (text in the ANSI code page or UTF-8) and "Windows
// Registry Editor Version 5.00" (UTF-16LE with a byte-order mark, as
// `reg export` writes it, or UTF-8).
#include <cstdint>
#include <vector>

#include "platform/Registry.h"

namespace tarvon {

struct RegFileReport {
    bool recognised = false;  // the file starts with one of the two headers
    int keys = 0;             // key sections read
    int values = 0;           // values written or deleted
    int badLines = 0;         // lines that could not be understood, skipped
    int ignoredLines = 0;     // key deletions, roots other than the two the station uses
                              // and the values under them
};

// Stores every key and value of HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER in
// `registry`. Strings are stored as UTF-8 with their terminating NUL, like
// the station's own writes. A bad line is skipped and counted, never fatal;
// an unrecognised file changes nothing.
RegFileReport ReadRegFile(const std::vector<uint8_t>& bytes, Registry& registry);

}  // namespace tarvon
