#include "maint/UploadQueue.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/FileReplace.h"
#include "core/Utf8Path.h"
#include "maint/DirectoryFiles.h"
#include "maint/UploadFileHeader.h"

namespace tarvon {
namespace {

namespace fs = std::filesystem;

constexpr const char* kQueueClasses[] = {"OUT", "PUL", "PNL", "ULX", "UL"};
constexpr size_t kNameColumn = 14;
constexpr size_t kOutgoingStemLimit = 8;

bool ReadHeaderBytes(const fs::path& file, std::vector<uint8_t>& bytes) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    bytes.resize(kUploadHeaderReadLimit);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return true;
}

bool NameBefore(const FoundFile& a, const FoundFile& b) {
    auto lower = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; };
    return std::lexicographical_compare(a.name.begin(), a.name.end(), b.name.begin(), b.name.end(),
                                        [&](char x, char y) { return lower(x) < lower(y); });
}

}  // namespace

std::vector<QueuedUpload> ListUploadQueue(const std::string& directory) {
    std::vector<QueuedUpload> queue;
    std::vector<uint8_t> header;
    for (const char* extension : kQueueClasses) {
        std::vector<FoundFile> files = FilesWithExtension(directory, extension);
        std::sort(files.begin(), files.end(), NameBefore);
        for (const FoundFile& file : files) {
            if (!ReadHeaderBytes(PathFromUtf8(directory) / PathFromUtf8(file.name), header)) continue;
            std::string row = file.name;
            if (row.size() < kNameColumn) row.append(kNameColumn - row.size(), ' ');
            queue.push_back({file.name, row + "  " + UploadHeaderText(header)});
        }
    }
    return queue;
}

bool DeleteQueuedUpload(const std::string& directory, const std::string& name) {
    std::error_code error;
    const fs::path file = PathFromUtf8(directory) / PathFromUtf8(name);
    fs::remove(file, error);
    return !fs::exists(file, error) && !error;
}

UploadCopy CopyQueuedUpload(const std::string& sourceDirectory, const std::string& name,
                            const std::string& destinationDirectory) {
    const std::string stem = name.substr(0, name.find('.'));
    if (stem.size() > kOutgoingStemLimit) return UploadCopy::NameTooLong;
    const fs::path source = PathFromUtf8(sourceDirectory) / PathFromUtf8(name);
    const fs::path destination = PathFromUtf8(destinationDirectory) / PathFromUtf8(stem + ".OUT");
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(source, bytes)) return UploadCopy::NoSource;
    std::error_code error;
    if (fs::equivalent(source, destination, error)) return UploadCopy::Copied;
    return ReplaceFileContents(destination, bytes) ? UploadCopy::Copied : UploadCopy::NoDestination;
}

}  // namespace tarvon
