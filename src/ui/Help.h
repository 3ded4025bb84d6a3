#pragma once
// Every Help button, Help menu item and F1 of the station opens its page
// through here.
#include <windows.h>

namespace tarvon {

// Opens the page of a help context (core/PublicIds.h) in the system's web
// browser; with a control id, at that control's place on the page. Says so
// when the page is missing or no browser can show it.
void ShowHelp(HWND owner, unsigned context, int controlId = 0);

// WM_HELP of a dialog (F1): the context's page, at the control that has the
// focus. Returns TRUE for the dialog procedure.
INT_PTR AnswerHelpRequest(HWND owner, unsigned context, LPARAM helpInfo);

}  // namespace tarvon
