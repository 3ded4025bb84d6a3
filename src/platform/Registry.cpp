#include "platform/Registry.h"

#include <algorithm>
#include <cstring>

#include "platform/Utf8Text.h"

namespace tarvon {
namespace {

// A number is taken only from a value of its own type and size: a string
// "999" happens to fill a DWORD's four bytes but means nothing as one.
template <typename T>
bool ReadFixed(RegKey& key, std::string_view name, RegType expected, T& value) {
    uint8_t buffer[sizeof(T)];
    RegType type{};
    uint32_t size = 0;
    if (key.ReadValue(name, type, buffer, sizeof(T), size) != RegStatus::Ok) return false;
    if (size != sizeof(T) || type != expected) return false;
    std::memcpy(&value, buffer, sizeof(T));
    return true;
}

template <typename T>
bool WriteFixed(RegKey& key, std::string_view name, RegType type, T value) {
    uint8_t buffer[sizeof(T)];
    std::memcpy(buffer, &value, sizeof(T));
    return key.WriteValue(name, type, buffer, sizeof(T)) == RegStatus::Ok;
}

// The whole stored text, whatever its length.
bool ReadWholeText(RegKey& key, std::string_view name, std::string& text) {
    RegType type{};
    uint32_t size = 0;
    std::vector<uint8_t> buffer(64);
    RegStatus status = key.ReadValue(name, type, buffer.data(), uint32_t(buffer.size()), size);
    while (status == RegStatus::TooLong) {  // the value may grow between the two reads
        buffer.resize(size);
        status = key.ReadValue(name, type, buffer.data(), uint32_t(buffer.size()), size);
    }
    if (status != RegStatus::Ok) return false;
    text.assign(reinterpret_cast<const char*>(buffer.data()), size);
    return true;
}

// The text before its first NUL: a stored string need not carry its terminator.
std::string BeforeNul(const std::string& text) { return text.substr(0, text.find('\0')); }

}  // namespace

std::string SubkeyPath(std::string_view parent, std::string_view name) {
    std::string path(parent);
    path += '\\';
    path += name;
    return path;
}

std::string CreateNewSubkey(Registry& registry, RegRoot root, std::string_view parent, const std::string& name) {
    std::string path = SubkeyPath(parent, name);
    for (int counter = 0; registry.Open(root, path); ++counter) {
        if (counter == 10000) return {};
        path = SubkeyPath(parent, name + " [" + std::to_string(counter) + "]");
    }
    return registry.Create(root, path) ? path : std::string();
}

bool ForEachSubkey(Registry& registry, RegRoot root, std::string_view path, uint32_t limit,
                   const std::function<bool(const std::string& name, RegKey& key)>& visit) {
    std::unique_ptr<RegKey> parent = registry.Open(root, path);
    if (!parent) return false;
    std::string name;
    for (uint32_t index = 0; index < limit; ++index) {
        if (parent->EnumSubkey(index, name) != RegStatus::Ok) return false;
        std::unique_ptr<RegKey> key = registry.Open(root, SubkeyPath(path, name));
        if (key && visit(name, *key)) return true;
    }
    return false;
}

bool RegReadString(RegKey& key, std::string_view name, std::string& value, uint32_t bufferSize) {
    std::string text;
    if (!ReadWholeText(key, name, text) || Utf16Units(text) > bufferSize) return false;
    value = BeforeNul(text);
    return true;
}

bool RegReadStringCut(RegKey& key, std::string_view name, std::string& value, uint32_t bufferSize) {
    std::string text;
    if (!ReadWholeText(key, name, text)) return false;
    text = BeforeNul(text);
    size_t units = 0, end = 0;
    while (end < text.size()) {
        const auto lead = static_cast<unsigned char>(text[end]);
        const size_t more = Utf16UnitsOfSequence(lead);
        if (bufferSize == 0 || units + more > bufferSize - 1) break;  // room for the NUL
        units += more;
        end = std::min(text.size(), end + Utf8SequenceLength(lead));
    }
    value = text.substr(0, end);
    return true;
}

bool RegReadDword(RegKey& key, std::string_view name, uint32_t& value) {
    return ReadFixed(key, name, RegType::Dword, value);
}

bool RegReadDouble(RegKey& key, std::string_view name, double& value) {
    return ReadFixed(key, name, RegType::Binary, value);
}

bool RegReadByte(RegKey& key, std::string_view name, uint8_t& value) {
    return ReadFixed(key, name, RegType::Binary, value);
}

bool RegReadBinary(RegKey& key, std::string_view name, std::vector<uint8_t>& value,
                   uint32_t bufferSize) {
    std::vector<uint8_t> buffer(bufferSize);
    RegType type{};
    uint32_t size = 0;
    if (key.ReadValue(name, type, buffer.data(), bufferSize, size) != RegStatus::Ok) return false;
    buffer.resize(size);
    value = std::move(buffer);
    return true;
}

bool RegWriteString(RegKey& key, std::string_view name, std::string_view value) {
    std::vector<uint8_t> bytes(value.begin(), value.end());
    bytes.push_back(0);
    return key.WriteValue(name, RegType::Sz, bytes.data(), static_cast<uint32_t>(bytes.size())) ==
           RegStatus::Ok;
}

bool RegWriteDword(RegKey& key, std::string_view name, uint32_t value) {
    return WriteFixed(key, name, RegType::Dword, value);
}

bool RegWriteDouble(RegKey& key, std::string_view name, double value) {
    return WriteFixed(key, name, RegType::Binary, value);
}

bool RegWriteByte(RegKey& key, std::string_view name, uint8_t value) {
    return WriteFixed(key, name, RegType::Binary, value);
}

}  // namespace tarvon
