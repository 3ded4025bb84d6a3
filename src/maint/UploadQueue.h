#pragma once
// The files waiting in a satellite's directory for VANT to upload, with the
// destination and title of their headers; deleting one, and copying one into
// another satellite's queue.
#include <string>
#include <vector>

namespace tarvon {

struct QueuedUpload {
    std::string name;  // the file's own name; rows are never parsed back into names
    std::string row;   // "%-14s  " and the header text
};

// The classes in the order "*.OUT", "*.PUL", "*.PNL", "*.ULX", "*.UL", each
// sorted by name. Files that cannot be opened are left out.
std::vector<QueuedUpload> ListUploadQueue(const std::string& directory);

// True when the file is no longer there afterwards.
bool DeleteQueuedUpload(const std::string& directory, const std::string& name);

enum class UploadCopy {
    Copied,
    NameTooLong,    // more than 8 characters before the first "."
    NoSource,       // "Can't find source file."
    NoDestination,  // "Can't open destination file."
};

// Copies `name` of `sourceDirectory` into `destinationDirectory` as the name
// up to its first "." followed by ".OUT". A copy onto the file itself leaves
// it as it is; a copy that cannot be written in full leaves any older file of
// that name untouched.
UploadCopy CopyQueuedUpload(const std::string& sourceDirectory, const std::string& name,
                            const std::string& destinationDirectory);

}  // namespace tarvon
