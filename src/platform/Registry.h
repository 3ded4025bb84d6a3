#pragma once
// The registry as the station uses it: keys under two roots, values read into
// caller-sized buffers. A value larger than the buffer is "too long" and the
// caller's buffer is left untouched, exactly as the real registry reports it.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarvon {

enum class RegRoot { LocalMachine, CurrentUser };

enum class RegType : uint32_t { None = 0, Sz = 1, Binary = 3, Dword = 4 };

enum class RegStatus { Ok, NotFound, TooLong, NoMoreItems, Error };

class RegKey {
public:
    virtual ~RegKey() = default;
    // Reads the raw bytes of a value into a buffer of `capacity` bytes.
    // On Ok, `size` is the number of bytes stored and `type` the stored type.
    // On TooLong, `size` is the bytes needed and `buffer` is not written.
    virtual RegStatus ReadValue(std::string_view name, RegType& type, uint8_t* buffer,
                                uint32_t capacity, uint32_t& size) = 0;
    virtual RegStatus WriteValue(std::string_view name, RegType type, const uint8_t* data,
                                 uint32_t size) = 0;
    virtual RegStatus DeleteValue(std::string_view name) = 0;
    // Subkey names by index, 0, 1, 2 ...; NoMoreItems past the last one.
    virtual RegStatus EnumSubkey(uint32_t index, std::string& name) = 0;
};

class Registry {
public:
    virtual ~Registry() = default;
    // nullptr when the key does not exist (or cannot be opened).
    virtual std::unique_ptr<RegKey> Open(RegRoot root, std::string_view path) = 0;
    // Opens the key, creating it and any missing parents.
    virtual std::unique_ptr<RegKey> Create(RegRoot root, std::string_view path) = 0;
    // Deletes a key that has no subkeys.
    virtual RegStatus DeleteKey(RegRoot root, std::string_view path) = 0;
};

// The path of subkey `name` of `parent`.
std::string SubkeyPath(std::string_view parent, std::string_view name);

// Creates subkey `name` of `parent` or, when that key exists already, the
// first of "name [0]", "name [1]" ... that does not: a new key never takes
// over another's values. The new key's path, empty when none could be made.
std::string CreateNewSubkey(Registry& registry, RegRoot root, std::string_view parent, const std::string& name);

// Visits the subkeys of `path` in enumeration order, the first `limit` at
// most, until an enumeration fails (its end included), as every list kept in
// the registry is read. A subkey that cannot be opened is passed over.
// `visit(name, key)` returns true to stop; so does ForEachSubkey then.
bool ForEachSubkey(Registry& registry, RegRoot root, std::string_view path, uint32_t limit,
                   const std::function<bool(const std::string& name, RegKey& key)>& visit);

// Typed reads. Each leaves `value` unchanged unless the stored value fits the
// reader's buffer, so the caller's default survives a missing or oversized value.
// A string's `bufferSize` counts characters as the registry stores them
// (UTF-16 units: one per letter of the Latin alphabets, accented or not), the
// terminating NUL included, as a fixed array of the system's would; the text
// itself is UTF-8.
bool RegReadString(RegKey& key, std::string_view name, std::string& value, uint32_t bufferSize);
// Reads a string of any length and keeps what a buffer of `bufferSize`
// characters would hold of it: a longer value is cut, never refused.
bool RegReadStringCut(RegKey& key, std::string_view name, std::string& value, uint32_t bufferSize);
bool RegReadDword(RegKey& key, std::string_view name, uint32_t& value);
bool RegReadDouble(RegKey& key, std::string_view name, double& value);
bool RegReadByte(RegKey& key, std::string_view name, uint8_t& value);
bool RegReadBinary(RegKey& key, std::string_view name, std::vector<uint8_t>& value,
                   uint32_t bufferSize);

// Typed writes. Strings are stored with their terminating NUL.
bool RegWriteString(RegKey& key, std::string_view name, std::string_view value);
bool RegWriteDword(RegKey& key, std::string_view name, uint32_t value);
bool RegWriteDouble(RegKey& key, std::string_view name, double value);
bool RegWriteByte(RegKey& key, std::string_view name, uint8_t value);

}  // namespace tarvon
