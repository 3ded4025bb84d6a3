#include "core/Utf8Path.h"

#include <windows.h>

#include <gtest/gtest.h>

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
        {"D:\\\xD0\xA1\xD1\x82\xD0\xB0\xD0\xBD\xD1\x86\xD0\xB8\xD1\x8F \xE2\x82\xAC", L"D:\\\u0421\u0442\u0430\u043D\u0446\u0438\u044F \u20AC\\Kova.KEP"},
        {"", L"Kova.KEP"},
    };
    for (const Case& c : cases) {
        const std::filesystem::path path = SuiteFilePath(c.directory, "Kova.KEP");
        EXPECT_EQ(path.wstring(), c.expected) << c.directory;
        EXPECT_EQ(Utf8FromPath(path), Narrow(c.expected)) << c.directory;
    }
}

}  // namespace
}  // namespace tarvon
