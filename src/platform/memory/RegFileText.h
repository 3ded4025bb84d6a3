#pragma once
// The pieces of export-file syntax that the reader and the writer share.
#include <cstdint>
#include <string_view>

namespace tarvon {

inline constexpr std::string_view kRegedit4Header = "REGEDIT4";
inline constexpr std::string_view kVersion5Header = "Windows Registry Editor Version 5.00";
inline constexpr std::string_view kLocalMachineName = "HKEY_LOCAL_MACHINE";
inline constexpr std::string_view kCurrentUserName = "HKEY_CURRENT_USER";

// Value types beyond those the station writes, which export files carry as hex(N).
inline constexpr uint32_t kRegExpandSz = 2;
inline constexpr uint32_t kRegMultiSz = 7;

// Types whose bytes are text: UTF-16 in a version 5 file, 8-bit in REGEDIT4.
inline bool IsTextType(uint32_t type) { return type == 1 || type == kRegExpandSz || type == kRegMultiSz; }

}  // namespace tarvon
