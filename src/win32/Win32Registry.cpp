#include "win32/Win32Registry.h"

#include <cstring>
#include <vector>

#include "win32/Utf8.h"

namespace tarvon {
namespace {

constexpr DWORD kMaxKeyNameChars = 256;

HKEY RootKey(RegRoot root) { return root == RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

bool IsTextType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

// Trailing backslashes name the same key, as they do in MemoryRegistry.
std::wstring KeyPath(std::string_view path) {
    while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    return Widen(path);
}

RegStatus StatusOf(LONG result) {
    switch (result) {
        case ERROR_SUCCESS: return RegStatus::Ok;
        case ERROR_FILE_NOT_FOUND: return RegStatus::NotFound;
        case ERROR_MORE_DATA: return RegStatus::TooLong;
        case ERROR_NO_MORE_ITEMS: return RegStatus::NoMoreItems;
        default: return RegStatus::Error;
    }
}

class Win32Key final : public RegKey {
public:
    explicit Win32Key(HKEY key) : key_(key) {}
    ~Win32Key() override { RegCloseKey(key_); }
    Win32Key(const Win32Key&) = delete;
    Win32Key& operator=(const Win32Key&) = delete;

    RegStatus ReadValue(std::string_view name, RegType& type, uint8_t* buffer, uint32_t capacity,
                        uint32_t& size) override {
        std::wstring wideName = Widen(name);
        DWORD storedType = 0;
        std::vector<BYTE> data;
        LONG result;
        do {
            DWORD bytes = 0;
            result = RegQueryValueExW(key_, wideName.c_str(), nullptr, &storedType, nullptr, &bytes);
            if (result != ERROR_SUCCESS) break;
            data.resize(bytes + sizeof(wchar_t));  // never a null buffer, even for an empty value
            result = RegQueryValueExW(key_, wideName.c_str(), nullptr, &storedType, data.data(), &bytes);
            data.resize(bytes);
        } while (result == ERROR_MORE_DATA);  // the value grew between the two calls
        if (result != ERROR_SUCCESS) return StatusOf(result);

        if (IsTextType(storedType)) {
            std::wstring_view wide(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
            std::string narrow = Narrow(wide);
            data.assign(narrow.begin(), narrow.end());
        }
        type = static_cast<RegType>(storedType);
        size = static_cast<uint32_t>(data.size());
        if (data.size() > capacity) return RegStatus::TooLong;
        if (!data.empty()) std::memcpy(buffer, data.data(), data.size());
        return RegStatus::Ok;
    }

    RegStatus WriteValue(std::string_view name, RegType type, const uint8_t* data, uint32_t size) override {
        std::wstring wideName = Widen(name);
        auto storedType = static_cast<DWORD>(type);
        if (!IsTextType(storedType)) {
            return StatusOf(RegSetValueExW(key_, wideName.c_str(), 0, storedType, data, size));
        }
        std::wstring wide = Widen(std::string_view(reinterpret_cast<const char*>(data), size));
        auto bytes = static_cast<DWORD>(wide.size() * sizeof(wchar_t));
        // The system quietly adds a terminator the caller "forgot" when one
        // follows the data in memory; a non-NUL guard keeps the size asked for.
        wide.push_back(L' ');
        return StatusOf(RegSetValueExW(key_, wideName.c_str(), 0, storedType,
                                       reinterpret_cast<const BYTE*>(wide.data()), bytes));
    }

    RegStatus DeleteValue(std::string_view name) override {
        return StatusOf(RegDeleteValueW(key_, Widen(name).c_str()));
    }

    RegStatus EnumSubkey(uint32_t index, std::string& name) override {
        wchar_t buffer[kMaxKeyNameChars];
        DWORD length = kMaxKeyNameChars;
        LONG result = RegEnumKeyExW(key_, index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_SUCCESS) name = Narrow(std::wstring_view(buffer, length));
        return StatusOf(result);
    }

private:
    HKEY key_;
};

}  // namespace

std::unique_ptr<RegKey> Win32Registry::Open(RegRoot root, std::string_view path) {
    std::wstring widePath = KeyPath(path);
    HKEY key = nullptr;
    LONG result = RegOpenKeyExW(RootKey(root), widePath.c_str(), 0, KEY_READ | KEY_WRITE, &key);
    if (result == ERROR_ACCESS_DENIED) {
        result = RegOpenKeyExW(RootKey(root), widePath.c_str(), 0, KEY_READ, &key);
    }
    if (result != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Win32Key>(key);
}

std::unique_ptr<RegKey> Win32Registry::Create(RegRoot root, std::string_view path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(RootKey(root), KeyPath(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<Win32Key>(key);
}

RegStatus Win32Registry::DeleteKey(RegRoot root, std::string_view path) {
    std::wstring widePath = KeyPath(path);
    if (widePath.empty()) return RegStatus::Error;
    return StatusOf(RegDeleteKeyW(RootKey(root), widePath.c_str()));
}

}  // namespace tarvon
