#pragma once
// "Setup Programs" (Setup / Programs): the user's programs of the Programs
// menu. The menu follows the dialog's edits when it closes.
#include "ui/MainWindow.h"

namespace tarvon {

void SetupProgramsDialog(MainWindowState& state);

}  // namespace tarvon
