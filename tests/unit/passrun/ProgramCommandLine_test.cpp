#include "passrun/ProgramCommandLine.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tarvon {
namespace {

TEST(ProgramCommandLine, ExpandsOnlyTheSatelliteNameAndPercentSigns) {
    const std::tuple<const char*, const char*, const char*> cases[] = {  // program, satellite, line
        {"x.exe %s %S", "Sat", "x.exe Sat Sat"},
        // Registry text is never a format: other sequences stay literal.
        {"x.exe %n %s %d", "S", "x.exe %n S %d"},
        {"x.exe %%s 100%%", "S", "x.exe %s 100%"},
        {"x.exe %", "S", "x.exe %"},
        {"x.exe %%%s", "S", "x.exe %S"},
        {"x.exe %s%s%s%s%s%s%s%s", "AB", "x.exe ABABABABABABABAB"},
        {"", "S", ""},
        {"C:\\NO ARGS.EXE", "S", "c:\\no args.exe"},
        // A satellite name that itself holds "%s" is not expanded again.
        {"p %s", "%s%n", "p %s%n"},
    };
    for (const auto& [program, satellite, line] : cases) {
        EXPECT_EQ(ExpandProgramCommandLine(program, satellite), line) << program;
    }
}

}  // namespace
}  // namespace tarvon
