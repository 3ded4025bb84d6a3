#include "ui/FontSelection.h"

#include <commdlg.h>

#include "core/SettingsStore.h"
#include "ui/MapWindow.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

constexpr INT kSmallestPoints = 8;
constexpr INT kLargestPoints = 16;

// The chosen font replaces the old one while the clock thread is not drawing.
void UseFont(MainWindowState& state, const WindowSettings& chosen) {
    DisplayObjects measured;
    CreateDisplayFont(state.window, chosen, measured);
    HFONT old;
    {
        std::lock_guard<std::mutex> lock(state.layoutMutex);
        old = state.display.font;
        state.display.font = measured.font;
        state.display.charWidth = measured.charWidth;
        state.display.lineHeight = measured.lineHeight;
    }
    if (old) DeleteObject(old);
}

}  // namespace

void SelectDisplayFont(MainWindowState& state) {
    LOGFONTW font{};
    GetObjectW(state.display.font, sizeof font, &font);
    CHOOSEFONTW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = state.window;
    choose.lpLogFont = &font;
    choose.Flags = CF_SCREENFONTS | CF_FIXEDPITCHONLY | CF_LIMITSIZE | CF_FORCEFONTEXIST | CF_INITTOLOGFONTSTRUCT;
    choose.nSizeMin = kSmallestPoints;
    choose.nSizeMax = kLargestPoints;
    if (ChooseFontW(&choose)) {
        WindowSettings& w = state.settings->window;
        w.fontSize = static_cast<uint32_t>(font.lfHeight);
        w.fontType = static_cast<uint32_t>(font.lfWeight);
        w.fontPitch = font.lfPitchAndFamily;
        w.fontName = Narrow(font.lfFaceName);
        SaveFontSettings(*state.registry, w);
        UseFont(state, w);
        LayoutMainWindow(state);
        if (state.map) FollowDisplayFont(*state.map);
    }
    InvalidateRect(state.window, nullptr, TRUE);
}

}  // namespace tarvon
