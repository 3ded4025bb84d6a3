// tarvon-cli on Windows. The arguments are taken as the system keeps them
// (UTF-16) and handed on as UTF-8, so that a path such as
// "C:\Station Ünïcode\Kova.KEP" reaches the commands whole. After an import,
// a station that is running is told to take the new elements (message 2037),
// as the suite's programs tell it after changing the element database.
#include <windows.h>
#include <shellapi.h>

#include <iostream>
#include <string>
#include <vector>

#include "CliDispatch.h"
#include "core/PublicIds.h"
#include "win32/Utf8.h"

namespace {

std::vector<std::string> Arguments() {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; wide && i < count; ++i) args.push_back(tarvon::Narrow(wide[i]));
    LocalFree(wide);
    return args;
}

bool WroteElements(const std::vector<std::string>& args) {
    if (args.empty() || args[0] != "import") return false;
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") return false;
    }
    return true;
}

}  // namespace

int main() {
    const std::vector<std::string> args = Arguments();
    const int result = tarvon::cli::Dispatch(args, std::cout, std::cerr);
    if (result == 0 && WroteElements(args)) {
        if (HWND station = FindWindowW(L"Tarvon", nullptr)) PostMessageW(station, WM_TARVON_REFRESH_KEPS, 0, 0);
    }
    return result;
}
