#pragma once
// What the station relies on from a registry, as one table of cases that runs
// against the in-memory registry natively and against the real one under
// Wine. Each case gets an empty key path `base` under HKEY_CURRENT_USER.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/Registry.h"

namespace tarvon::contract {

struct RegistryCase {
    const char* name;
    void (*check)(Registry& registry, const std::string& base);
};

inline std::unique_ptr<RegKey> MakeKey(Registry& registry, const std::string& path) {
    std::unique_ptr<RegKey> key = registry.Create(RegRoot::CurrentUser, path);
    EXPECT_NE(key, nullptr) << path;
    return key;
}

inline std::vector<std::string> Subkeys(RegKey& key) {
    std::vector<std::string> names;
    std::string name;
    for (uint32_t i = 0; key.EnumSubkey(i, name) == RegStatus::Ok; ++i) names.push_back(name);
    return names;
}

// A value read into a buffer of `capacity` bytes: the bytes read, or the
// whole buffer (filled with 0xCC beforehand, 8 bytes beyond the capacity)
// when the read failed.
struct RawRead {
    RegStatus status;
    RegType type;
    uint32_t size;
    std::vector<uint8_t> bytes;
};
inline RawRead Read(RegKey& key, const std::string& name, uint32_t capacity = 64) {
    std::vector<uint8_t> buffer(capacity + 8, 0xCC);
    RawRead r{RegStatus::Ok, RegType{}, 0, {}};
    r.status = key.ReadValue(name, r.type, buffer.data(), capacity, r.size);
    if (r.status == RegStatus::Ok) buffer.resize(r.size);
    r.bytes = buffer;
    return r;
}
inline std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

inline const std::vector<RegistryCase>& RegistryCases() {
    static const std::vector<RegistryCase> cases = {
        {"MissingValueIsNotFoundAndKeepsTheDefault",
         [](Registry& registry, const std::string& base) {
             auto key = MakeKey(registry, base);
             EXPECT_EQ(Read(*key, "Missing").status, RegStatus::NotFound);
             uint32_t dword = 77;
             std::string text = "default";
             EXPECT_FALSE(RegReadDword(*key, "Missing", dword));
             EXPECT_FALSE(RegReadString(*key, "Missing", text, 20));
             EXPECT_EQ(dword, 77u);
             EXPECT_EQ(text, "default");
         }},
        {"ValueLongerThanTheBufferIsTooLongAndLeavesItUntouched",
         [](Registry& registry, const std::string& base) {
             auto key = MakeKey(registry, base);
             // Raw reads hand over UTF-8 bytes: "Café €" is 9 of them.
             ASSERT_TRUE(RegWriteString(*key, "Label", "Caf\xC3\xA9 \xE2\x82\xAC"));
             const RawRead tooLong = Read(*key, "Label", 9);
             EXPECT_EQ(std::tuple(tooLong.status, tooLong.size), std::tuple(RegStatus::TooLong, 10u));
             EXPECT_EQ(tooLong.bytes, std::vector<uint8_t>(17, 0xCC));
             EXPECT_EQ(Read(*key, "Label", 10).bytes, Bytes(std::string_view("Caf\xC3\xA9 \xE2\x82\xAC", 10)));
         }},
        {"StringIsStoredWithItsTerminatorAndReadWithoutOne",
         [](Registry& registry, const std::string& base) {
             auto key = MakeKey(registry, base);
             ASSERT_TRUE(RegWriteString(*key, "Name", "AO-16"));
             ASSERT_TRUE(RegWriteString(*key, "Empty", ""));
             EXPECT_EQ(Read(*key, "Name").type, RegType::Sz);
             EXPECT_EQ(Read(*key, "Name").bytes, Bytes(std::string_view("AO-16", 6)));
             EXPECT_EQ(Read(*key, "Empty").size, 1u);
             // The key's default value has the empty name.
             ASSERT_TRUE(RegWriteString(*key, "", "default text"));
             std::string text;
             EXPECT_TRUE(RegReadString(*key, "", text, 64));
             EXPECT_EQ(text, "default text");
             // A string stored without its terminator keeps its length.
             ASSERT_EQ(key->WriteValue("DSP Mode", RegType::Sz, Bytes("PKT9").data(), 4), RegStatus::Ok);
             const RawRead mode = Read(*key, "DSP Mode", 4);
             EXPECT_EQ(std::tuple(mode.status, mode.type, mode.size), std::tuple(RegStatus::Ok, RegType::Sz, 4u));
             EXPECT_TRUE(RegReadString(*key, "DSP Mode", text, 5));
             EXPECT_EQ(text, "PKT9");
         }},
        {"TextIsMeasuredInTheRegistrysCharacters",
         [](Registry& registry, const std::string& base) {
             auto key = MakeKey(registry, base);
             // A string buffer counts characters, the terminator included.
             struct Case {
                 const char* text;
                 uint32_t fits;  // the smallest buffer that holds it
                 const char* cut;  // what a buffer one smaller keeps of it
             };
             const Case cases[] = {
                 {"Caf\xC3\xA9 \xE2\x82\xAC", 7, "Caf\xC3\xA9 "},
                 {"\xC3\x91\x61nd\xC3\xBA-S\xC3\xA4t\xC3\xA9l", 12, "\xC3\x91\x61nd\xC3\xBA-S\xC3\xA4t\xC3\xA9"},  // "Ñandú-Sätél"
                 {"AB\xF0\x9F\x9B\xB0", 5, "AB"},  // a character beyond 16 bits takes two
             };
             for (const Case& c : cases) {
                 ASSERT_TRUE(RegWriteString(*key, "Name", c.text));
                 std::string read = "default";
                 EXPECT_FALSE(RegReadString(*key, "Name", read, c.fits - 1)) << c.text;
                 EXPECT_EQ(read, "default");
                 EXPECT_TRUE(RegReadString(*key, "Name", read, c.fits)) << c.text;
                 EXPECT_EQ(read, c.text);
                 EXPECT_TRUE(RegReadStringCut(*key, "Name", read, c.fits - 1));
                 EXPECT_EQ(read, c.cut);
             }
         }},
        {"NumbersKeepTheirTypeSizeAndBytes",
         [](Registry& registry, const std::string& base) {
             auto key = MakeKey(registry, base);
             ASSERT_TRUE(RegWriteDword(*key, "Time", 0xDEADBEEF));
             ASSERT_TRUE(RegWriteDouble(*key, "Latitude", 50.0));
             ASSERT_TRUE(RegWriteByte(*key, "Flag", 1));
             const struct {
                 const char* name;
                 RegType type;
                 std::vector<uint8_t> bytes;
             } expected[] = {
                 {"Time", RegType::Dword, {0xEF, 0xBE, 0xAD, 0xDE}},
                 {"Latitude", RegType::Binary, {0, 0, 0, 0, 0, 0, 0x49, 0x40}},
                 {"Flag", RegType::Binary, {1}},
             };
             for (const auto& e : expected) {
                 const RawRead read = Read(*key, e.name);
                 EXPECT_EQ(std::tuple(read.status, read.type, read.bytes), std::tuple(RegStatus::Ok, e.type, e.bytes))
                     << e.name;
             }
             // A one-byte value is not a DWORD, and an 8-byte one does not fit one.
             uint32_t dword = 5;
             EXPECT_FALSE(RegReadDword(*key, "Flag", dword));
             EXPECT_FALSE(RegReadDword(*key, "Latitude", dword));
             EXPECT_EQ(dword, 5u);
             // An empty binary value reads into an empty buffer.
             std::vector<uint8_t> value = {9, 9};
             ASSERT_EQ(key->WriteValue("Nothing", RegType::Binary, value.data(), 0), RegStatus::Ok);
             EXPECT_TRUE(RegReadBinary(*key, "Nothing", value, 0));
             EXPECT_TRUE(value.empty());
         }},
        {"RewritingAValueReplacesTypeAndSizeAndDeletingRemovesIt",
         [](Registry& registry, const std::string& base) {
             auto key = MakeKey(registry, base);
             ASSERT_TRUE(RegWriteString(*key, "Value", "a long text value"));
             ASSERT_TRUE(RegWriteDword(*key, "Value", 7));
             const RawRead read = Read(*key, "Value");
             EXPECT_EQ(std::tuple(read.status, read.type, read.size), std::tuple(RegStatus::Ok, RegType::Dword, 4u));
             EXPECT_EQ(key->DeleteValue("Value"), RegStatus::Ok);
             EXPECT_EQ(Read(*key, "Value").status, RegStatus::NotFound);
             EXPECT_EQ(key->DeleteValue("Value"), RegStatus::NotFound);
         }},
        {"NamesIgnoreCaseAndKeepTheirFirstSpelling",
         [](Registry& registry, const std::string& base) {
             auto key = MakeKey(registry, base + "\\Kova\\General");
             ASSERT_TRUE(RegWriteDword(*key, "Sound Type", 3));
             auto other = registry.Open(RegRoot::CurrentUser, base + "\\KOVA\\general");
             ASSERT_NE(other, nullptr);
             uint32_t dword = 0;
             EXPECT_TRUE(RegReadDword(*other, "SOUND TYPE", dword));
             EXPECT_EQ(dword, 3u);
             ASSERT_NE(registry.Create(RegRoot::CurrentUser, base + "\\kova"), nullptr);
             auto parent = registry.Open(RegRoot::CurrentUser, base);
             ASSERT_NE(parent, nullptr);
             EXPECT_EQ(Subkeys(*parent), std::vector<std::string>{"Kova"});
         }},
        // Windows and Wine disagree on where the characters between 'Z' and
        // 'a' (such as '_') sort against letters, so no name here relies on it.
        {"SubkeysAreEnumeratedInNameOrderUntilNoMoreItems",
         [](Registry& registry, const std::string& base) {
             for (const char* name : {"UO-11", "ao-16", "Zeta", "AO-7", "FO_29", "FO-20"})
                 MakeKey(registry, base + "\\" + name);
             auto key = registry.Open(RegRoot::CurrentUser, base);
             ASSERT_NE(key, nullptr);
             EXPECT_EQ(Subkeys(*key),
                       (std::vector<std::string>{"ao-16", "AO-7", "FO-20", "FO_29", "UO-11", "Zeta"}));
             std::string name = "unchanged";
             EXPECT_EQ(key->EnumSubkey(6, name), RegStatus::NoMoreItems);
             auto leaf = registry.Open(RegRoot::CurrentUser, base + "\\Zeta");
             EXPECT_EQ(leaf->EnumSubkey(0, name), RegStatus::NoMoreItems);
         }},
        {"CreateMakesMissingParentsAndOpenFindsOnlyExistingKeys",
         [](Registry& registry, const std::string& base) {
             EXPECT_EQ(registry.Open(RegRoot::CurrentUser, base + "\\Tarvon\\Events"), nullptr);
             MakeKey(registry, base + "\\Tarvon\\Events\\Daily Clean");
             EXPECT_NE(registry.Open(RegRoot::CurrentUser, base + "\\Tarvon\\Events"), nullptr);
             EXPECT_NE(registry.Open(RegRoot::CurrentUser, base + "\\Tarvon\\Events\\Daily Clean\\"), nullptr);
             EXPECT_EQ(registry.Open(RegRoot::CurrentUser, base + "\\Tarvon\\Event"), nullptr);
             EXPECT_EQ(registry.Open(RegRoot::LocalMachine, base + "\\Tarvon"), nullptr);
         }},
        {"OnlyKeysWithoutSubkeysAreDeleted",
         [](Registry& registry, const std::string& base) {
             MakeKey(registry, base + "\\Events\\One");
             EXPECT_NE(registry.DeleteKey(RegRoot::CurrentUser, base + "\\Events"), RegStatus::Ok);
             EXPECT_NE(registry.Open(RegRoot::CurrentUser, base + "\\Events\\One"), nullptr);
             EXPECT_EQ(registry.DeleteKey(RegRoot::CurrentUser, base + "\\events\\ONE"), RegStatus::Ok);
             EXPECT_EQ(registry.Open(RegRoot::CurrentUser, base + "\\Events\\One"), nullptr);
             EXPECT_EQ(registry.DeleteKey(RegRoot::CurrentUser, base + "\\Events"), RegStatus::Ok);
             EXPECT_EQ(registry.DeleteKey(RegRoot::CurrentUser, base + "\\Events"), RegStatus::NotFound);
         }},
        {"KeyOpenedBeforeADeleteNoLongerReadsOrWrites",
         [](Registry& registry, const std::string& base) {
             auto key = MakeKey(registry, base + "\\Gone");
             ASSERT_TRUE(RegWriteDword(*key, "Time", 1));
             ASSERT_EQ(registry.DeleteKey(RegRoot::CurrentUser, base + "\\Gone"), RegStatus::Ok);
             uint32_t dword = 0;
             EXPECT_FALSE(RegReadDword(*key, "Time", dword));
             EXPECT_FALSE(RegWriteDword(*key, "Time", 2));
             EXPECT_EQ(registry.Open(RegRoot::CurrentUser, base + "\\Gone"), nullptr);
         }},
    };
    return cases;
}

}  // namespace tarvon::contract
