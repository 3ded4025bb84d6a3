#pragma once
// Settings are declared once, as tables of (registry value, member); the
// loaders and savers walk the tables, so that no value is read or written
// by hand and a value's name, type and buffer are stated in one place.
#include <cstdint>
#include <string>

#include "platform/Registry.h"

namespace tarvon {

// A REG_DWORD value. `Field` is uint32_t, or a SharedNumber<uint32_t> for a
// value other threads read while the window thread changes it.
template <typename S, typename Field = uint32_t>
struct DwordValue {
    const char* name;
    Field S::*member;
};

template <typename S>
struct DoubleValue {
    const char* name;
    double S::*member;
};

// A REG_SZ value read into a buffer of `bufferSize` bytes (its NUL included).
template <typename S>
struct StringValue {
    const char* name;
    std::string S::*member;
    uint32_t bufferSize;
};

template <typename S, typename Field, size_t N>
void ReadDwords(RegKey& key, const DwordValue<S, Field> (&table)[N], S& target) {
    for (const auto& v : table) {
        uint32_t value = target.*v.member;
        RegReadDword(key, v.name, value);
        target.*v.member = value;
    }
}

template <typename S, typename Field, size_t N>
void WriteDwords(RegKey& key, const DwordValue<S, Field> (&table)[N], const S& source) {
    for (const auto& v : table) RegWriteDword(key, v.name, source.*v.member);
}

template <typename S, size_t N>
void ReadStrings(RegKey& key, const StringValue<S> (&table)[N], S& target) {
    for (const auto& v : table) RegReadString(key, v.name, target.*v.member, v.bufferSize);
}

template <typename S, size_t N>
void WriteStrings(RegKey& key, const StringValue<S> (&table)[N], const S& source) {
    for (const auto& v : table) RegWriteString(key, v.name, source.*v.member);
}

}  // namespace tarvon
