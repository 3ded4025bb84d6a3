#pragma once
// The directories the setup dialogs store: their stored form, their making,
// and the names that can never be a directory.
#include <optional>
#include <string>
#include <string_view>

#include "platform/Notices.h"

namespace tarvon {

// A stored directory never ends in a backslash: "C:\Kova\" becomes "C:\Kova",
// a drive root "X:\" becomes "X:".
std::string DirectoryWithoutTrailingSlash(const std::string& path);

// Makes sure a configured directory exists (one level is created) and leaves
// `path` in its stored form. A directory that cannot be made (its parent
// missing, a file in its place) is reported; the caller stores it all the
// same, so that it is there once the parent is.
void EnsureDirectory(std::string& path, Notices& notices);

// Why a typed directory can never be made, or nothing: longer than a path
// may be, a character no file name may hold, or a file already of that name.
// The dialogs refuse such a text and write nothing. An empty text is fine.
std::optional<std::string> CheckDirectory(std::string_view label, const std::string& path);

}  // namespace tarvon
