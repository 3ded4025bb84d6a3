#include "ui/Toolbar.h"

#include <commctrl.h>

#include "core/PublicIds.h"
#include "resource.h"

namespace tarvon {

HWND CreateMainToolbar(HWND owner, HINSTANCE instance) {
    TBBUTTON buttons[] = {
        {0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0},
        {0, IDM_RUN_SCRIVET, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
        {1, IDM_RUN_PEVRIN, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
        {2, IDM_GRAPHIC_TRACK, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
        {0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0},
        {3, IDM_ENABLE_ROTATOR, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
    };
    return CreateToolbarEx(owner, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS, 0, 4, instance,
                           IDB_TOOLBAR, buttons, sizeof buttons / sizeof buttons[0], 16, 16, 16, 16,
                           sizeof(TBBUTTON));
}

bool AnswerToolbarTooltip(NMHDR* header, HINSTANCE instance) {
    if (header->code != TTN_GETDISPINFOW) return false;
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    // The string id of a tooltip is the command id of its button.
    static wchar_t text[60];
    if (LoadStringW(instance, static_cast<UINT>(header->idFrom), text, 60) > 0) info->lpszText = text;
    return true;
}

}  // namespace tarvon
