#include "ui/RunBriskoDialog.h"

#include <cstdio>

#include "core/PublicIds.h"
#include "core/SatelliteConfig.h"
#include "maint/MaintTexts.h"
#include "platform/Processes.h"
#include "ui/RunPassDialog.h"
#include "win32/Utf8.h"

namespace tarvon {

void RunBriskoDialog(HWND owner, Registry& registry, Processes& processes, const std::string& kovaDirectory) {
    const auto name = ChooseFromList(owner, PacsatSatelliteNames(registry), L"Run Brisko", IDH_RUN_BRISKO);
    if (!name) return;
    // Found in the suite directory, the station's working directory.
    const std::string commandLine = "BRISKO.EXE S~" + *name + " F~*.DL";
    if (processes.Start({commandLine, kovaDirectory, ShowState::Minimised})) return;
    char text[512];
    std::snprintf(text, sizeof text, kBriskoNotStarted, commandLine.c_str());
    MessageBoxW(owner, Widen(text).c_str(), Widen(kMaintCaption).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace tarvon
