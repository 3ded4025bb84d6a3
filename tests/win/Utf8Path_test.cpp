#include "core/Utf8Path.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "WinTest_helpers.h"
#include "core/FileReplace.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

// The station's files land in the folder the user named, whatever the
// system's code page makes of its letters.
TEST(Utf8Path, SuiteFilesAreInTheFolderNamed) {
    struct Case {
        const char* directory;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {"C:\\Station \xC3\x9Cn\xC3\xAF" "code", L"C:\\Station \u00DCn\u00EFcode\\Kova.KEP"},
        {"D:\\\xD0\xA1\xD1\x82\xD0\xB0\xD0\xBD\xD1\x86\xD0\xB8\xD1\x8F \xE2\x82\xAC", L"D:\\\u0421\u0442\u0430\u043D\u0446\u0438\u044F \u20AC\\Kova.KEP"},
        {"", L"Kova.KEP"},
    };
    for (const Case& c : cases) {
        const std::filesystem::path path = SuiteFilePath(c.directory, "Kova.KEP");
        EXPECT_EQ(path.wstring(), c.expected) << c.directory;
        EXPECT_EQ(Utf8FromPath(path), Narrow(c.expected)) << c.directory;
    }

    const std::filesystem::path temp = wintest::FreshTempDirectory(L"tarvon paths");
    const std::string folder = Utf8FromPath(temp) + "\\Station \xC3\x9Cn\xC3\xAF" "code";
    ASSERT_TRUE(CreateDirectoryW(Widen(folder).c_str(), nullptr));
    ASSERT_TRUE(ReplaceFileContents(SuiteFilePath(folder, "Kova Schedule.DAT"), {0xD7, 0x07}));
    EXPECT_NE(GetFileAttributesW((temp.wstring() + L"\\Station \u00DCn\u00EFcode\\Kova Schedule.DAT").c_str()),
              INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace tarvon
