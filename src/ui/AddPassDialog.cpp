#include "ui/AddPassDialog.h"

#include "core/PublicIds.h"
#include "schedule/PassEdits.h"
#include "ui/EditPassDialog.h"
#include "ui/RunPassDialog.h"

namespace tarvon {

void AddPassDialog(HWND owner, ScheduleState& schedule) {
    auto name = ChooseSatellite(owner, schedule, L"Add Pass", IDH_RUN_PASS);
    if (!name) return;
    // The pass joins the schedule only when the editor's OK accepts it.
    EditPassDialog(owner, schedule, NewHandEnteredPass(schedule, *name));
}

}  // namespace tarvon
