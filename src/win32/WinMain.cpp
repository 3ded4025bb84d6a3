#include <windows.h>

#include "ui/StationStartup.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    try {
        return tarvon::RunStation(instance, showCommand);
    } catch (...) {
        // Nothing sensible is left to do; end with the failure code.
        return -1;
    }
}
