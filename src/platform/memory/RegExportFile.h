#pragma once
// Registry export files (.reg), read into a registry and written from a
// MemoryRegistry. Both headers are understood, "REGEDIT4" (text in the ANSI
// code page or UTF-8) and "Windows Registry Editor Version 5.00" (UTF-16LE
// with a byte-order mark, as `reg export` writes it, or UTF-8).
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/Registry.h"

namespace tarvon {

class MemoryRegistry;

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

enum class RegFileFormat {
    Version5Utf16,  // what `reg export` writes and `reg import` reads best
    Regedit4,       // plain text, for files people read and diff; texts are
                    // written as UTF-8, which `reg import` takes for the ANSI
                    // code page, so keep non-ASCII texts to Version5Utf16
};

// The key `path` under `root` and everything below it, keys in enumeration
// order, in the layout `reg export` uses (CRLF lines, hex data wrapped with
// "\" continuations).
std::vector<uint8_t> WriteRegFile(MemoryRegistry& registry, RegRoot root, std::string_view path,
                                  RegFileFormat format);

}  // namespace tarvon
