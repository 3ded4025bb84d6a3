#include "win32/Win32Registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "WinTest_helpers.h"
#include "contract/RegistryContract.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/RegExportFile.h"
#include "core/FileReplace.h"
#include "win32/Utf8.h"
#include "win32/Win32Processes.h"

namespace tarvon {
namespace {

void RemoveTree(const std::string& path) { RegDeleteTreeW(HKEY_CURRENT_USER, Widen(path).c_str()); }

class Win32RegistryContract : public testing::TestWithParam<contract::RegistryCase> {};

TEST_P(Win32RegistryContract, BehavesLikeTheInMemoryRegistry) {
    const std::string base = std::string("Software\\TarvonContract\\") + GetParam().name;
    RemoveTree(base);
    Win32Registry registry;
    GetParam().check(registry, base);
    RemoveTree(base);
}

INSTANTIATE_TEST_SUITE_P(Registry, Win32RegistryContract, testing::ValuesIn(contract::RegistryCases()),
                         [](const testing::TestParamInfo<contract::RegistryCase>& info) {
                             return std::string(info.param.name);
                         });

// Other programs of the suite read and write the same values through the
// wide API: strings must be ordinary terminated UTF-16 there.
TEST(Win32Registry, TextIsStoredAsTerminatedUtf16ForOtherPrograms) {
    const std::string base = "Software\\TarvonWide";
    RemoveTree(base);
    Win32Registry registry;
    auto key = registry.Create(RegRoot::CurrentUser, base);
    ASSERT_NE(key, nullptr);
    ASSERT_TRUE(RegWriteString(*key, "Callsign", "G0ABC"));

    HKEY raw = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\TarvonWide", 0, KEY_ALL_ACCESS, &raw), ERROR_SUCCESS);
    wchar_t text[32] = {};
    DWORD type = 0, bytes = sizeof text;
    ASSERT_EQ(RegQueryValueExW(raw, L"Callsign", nullptr, &type, reinterpret_cast<BYTE*>(text), &bytes),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(bytes, 12u);
    EXPECT_STREQ(text, L"G0ABC");

    const wchar_t label[] = L"Caf\u00e9";
    ASSERT_EQ(RegSetValueExW(raw, L"Label", 0, REG_SZ, reinterpret_cast<const BYTE*>(label), sizeof label),
              ERROR_SUCCESS);
    RegCloseKey(raw);
    std::string read;
    EXPECT_FALSE(RegReadString(*key, "Label", read, 5));
    EXPECT_TRUE(RegReadString(*key, "Label", read, 6));
    EXPECT_EQ(read, "Caf\xC3\xA9");
    key.reset();
    RemoveTree(base);
}

// What we write, exported by the system's own `reg export` and read back by
// our export-file reader, is what we wrote: the two agree on every type.
TEST(Win32Registry, SystemExportOfOurValuesReadsBackUnchanged) {
    const std::string base = "Software\\TarvonExport";
    RemoveTree(base);
    Win32Registry registry;
    struct Written {
        std::string path;
        std::string name;
    };
    std::vector<Written> written;
    {
        auto sat = registry.Create(RegRoot::CurrentUser, base + "\\Satellites\\AO-16");
        auto general = registry.Create(RegRoot::CurrentUser, base + "\\General");
        ASSERT_TRUE(sat && general);
        RegWriteString(*sat, "Program", "C:\\KOVA\\VANT.EXE \"%s\"");
        RegWriteString(*sat, "Label", "Caf\xC3\xA9");
        RegWriteString(*sat, "", "default");
        const uint8_t mode[4] = {'P', 'K', 'T', '9'};
        sat->WriteValue("DSP Mode", RegType::Sz, mode, 4);
        RegWriteDouble(*sat, "Downlink 1", 435.0e6);
        RegWriteByte(*sat, "Flag", 1);
        RegWriteDword(*general, "Sound Type", 3);
        std::vector<uint8_t> many(100, 0x5A);
        general->WriteValue("Many", RegType::Binary, many.data(), 100);
        // Not compared: Wine's `reg export` writes an unterminated string as if
        // its last character were the terminator, so "DSP Mode" comes back as
        // "PKT".
        for (const char* name : {"Program", "Label", "", "Downlink 1", "Flag"})
            written.push_back({base + "\\Satellites\\AO-16", name});
        for (const char* name : {"Sound Type", "Many"}) written.push_back({base + "\\General", name});
    }

    std::filesystem::path directory = wintest::FreshTempDirectory(L"tarvon-export");
    std::filesystem::path file = directory / "export.reg";
    Win32Processes processes;
    auto reg = processes.Start({"reg export HKCU\\" + base + " \"" + Narrow(file.wstring()) + "\" /y", "",
                                ShowState::Hidden});
    ASSERT_NE(reg, nullptr);
    ASSERT_EQ(WaitAnyEvent({&reg->Exited()}, 30000), 0);
    EXPECT_EQ(reg->ExitCode(), std::optional<uint32_t>(0));

    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(file, bytes));
    MemoryRegistry copy;
    RegFileReport report = ReadRegFile(bytes, copy);
    EXPECT_TRUE(report.recognised);
    EXPECT_EQ(report.badLines, 0);
    EXPECT_EQ(report.values, 8);
    for (const Written& w : written) {
        auto real = registry.Open(RegRoot::CurrentUser, w.path);
        auto imported = copy.Open(RegRoot::CurrentUser, w.path);
        ASSERT_TRUE(real && imported) << w.path;
        uint8_t realBytes[128], importedBytes[128];
        RegType realType{}, importedType{};
        uint32_t realSize = 0, importedSize = 0;
        ASSERT_EQ(real->ReadValue(w.name, realType, realBytes, 128, realSize), RegStatus::Ok) << w.name;
        ASSERT_EQ(imported->ReadValue(w.name, importedType, importedBytes, 128, importedSize), RegStatus::Ok)
            << w.name;
        EXPECT_EQ(importedType, realType) << w.name;
        EXPECT_EQ(std::vector<uint8_t>(importedBytes, importedBytes + importedSize),
                  std::vector<uint8_t>(realBytes, realBytes + realSize))
            << w.name;
    }
    RemoveTree(base);
}

}  // namespace
}  // namespace tarvon
