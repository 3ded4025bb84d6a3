#pragma once
// The pre-pass notification "Tarvon - Event notification": modeless, without
// an owner; OK acknowledges, Run runs the pass now, Cancel sets it to Display.
#include <windows.h>

#include "schedule/ScheduleState.h"

namespace tarvon {

// Creates and shows the dialog for a pass (message 2044) and stores its
// handle in the pass. The main window's message loop passes the dialog its
// messages (IsDialogMessage) through IsNotificationDialogMessage.
HWND NotificationDialog(HINSTANCE instance, ScheduleState& schedule, const PassRef& pass);

// True when the message belonged to an open notification dialog.
bool IsNotificationDialogMessage(MSG& message);

}  // namespace tarvon
