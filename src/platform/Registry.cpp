#include "platform/Registry.h"

#include <cstring>

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

}  // namespace

std::string SubkeyPath(std::string_view parent, std::string_view name) {
    std::string path(parent);
    path += '\\';
    path += name;
    return path;
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
    std::vector<uint8_t> buffer(bufferSize);
    RegType type{};
    uint32_t size = 0;
    if (key.ReadValue(name, type, buffer.data(), bufferSize, size) != RegStatus::Ok) return false;
    // A stored string need not carry its terminator; the text ends at the first NUL.
    size_t length = 0;
    while (length < size && buffer[length] != 0) ++length;
    value.assign(reinterpret_cast<const char*>(buffer.data()), length);
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
