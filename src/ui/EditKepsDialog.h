#pragma once
// "Edit Satellite Data": the slots of the element database one at a time,
// the station's own fields (beacon, Blon/Blat, mode schedule) included.
#include "ui/MainWindow.h"

namespace tarvon {

void EditKepsDialog(MainWindowState& state);

}  // namespace tarvon
