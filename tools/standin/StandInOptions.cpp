#include "StandInOptions.h"

#include <cwchar>

bool ParseStandInOptions(const std::vector<std::wstring>& args, StandInOptions& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::wstring& a = args[i];
        bool hasValue = i + 1 < args.size();
        if (a == L"--log" && hasValue) {
            options.logPath = args[++i];
        } else if (a == L"--title" && hasValue) {
            options.title = args[++i];
        } else if (a == L"--exit-after" && hasValue) {
            options.exitAfterSeconds = static_cast<int>(std::wcstol(args[++i].c_str(), nullptr, 10));
        } else if (a == L"--no-window") {
            options.showWindow = false;
        } else if (a.rfind(L"--", 0) == 0) {
            return false;
        } else {
            options.satellite = a;
        }
    }
    if (options.title.empty()) options.title = L"VANT [" + options.satellite + L"]";
    return !options.satellite.empty();
}
