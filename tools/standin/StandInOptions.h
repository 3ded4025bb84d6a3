#pragma once
// The stand-in's command line:
//
//   standin [--log FILE] [--exit-after SECONDS] [--no-window] [--title TEXT] NAME
//
// NAME is the satellite; the window is titled "VANT [NAME]" unless --title
// gives another title. The log (default "standin.log" in the working
// directory) gets one line per event: "<unix time> <what> ...".
#include <string>
#include <vector>

struct StandInOptions {
    std::wstring satellite;
    std::wstring logPath = L"standin.log";
    std::wstring title;  // empty: "VANT [satellite]"
    int exitAfterSeconds = 0;  // 0: only WM_CLOSE ends the program
    bool showWindow = true;
};

// False when the arguments do not make sense.
bool ParseStandInOptions(const std::vector<std::wstring>& args, StandInOptions& options);
