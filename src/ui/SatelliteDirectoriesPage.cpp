// The Directories page: where the satellite's program keeps its files.
#include <windows.h>

#include "core/PublicIds.h"
#include "core/SatelliteLinkForms.h"
#include "ui/DialogFields.h"
#include "ui/SatelliteLinkPagesIds.h"
#include "ui/SatellitePages.h"

namespace tarvon {
namespace {

int FieldId(size_t position) { return IDC_SDIR_FIRST + static_cast<int>(position); }

void Init(HWND page) {
    for (size_t i = 0; i < kSatelliteDirectoryCount; ++i) LimitText(page, FieldId(i), link_limits::kDirectory);
}

// Shown afresh on every visit: a new satellite's directories follow the
// name given on the General page.
void Show(HWND page, const SatelliteSheet& sheet) {
    const DirectoriesForm f = DirectoriesFormFor(sheet.config);
    for (size_t i = 0; i < kSatelliteDirectoryCount; ++i) SetControlText(page, FieldId(i), f.directories[i]);
}

bool Keep(HWND page, SatelliteSheet& sheet) {
    DirectoriesForm f;
    for (size_t i = 0; i < kSatelliteDirectoryCount; ++i) f.directories[i] = ControlText(page, FieldId(i));
    if (auto problem = ReadDirectoriesForm(f, sheet.config)) {
        RefuseField(page, FieldId(static_cast<size_t>(problem->field)), problem->message, kSatelliteSetupCaption);
        return true;
    }
    return false;
}

}  // namespace

const SatellitePage& DirectoriesPage() {
    static constexpr SatellitePage kPage{SatellitePageId::Directories, IDD_SAT_DIRECTORIES, IDH_SAT_DIRECTORIES,
                                         "satellite directories page", Show, Keep, nullptr, Init};
    return kPage;
}

}  // namespace tarvon
