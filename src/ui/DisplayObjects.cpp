#include "ui/DisplayObjects.h"

#include "win32/Utf8.h"

namespace tarvon {

void CreateDisplayFont(HWND window, const WindowSettings& settings, DisplayObjects& objects) {
    LOGFONTW lf{};
    lf.lfHeight = static_cast<LONG>(static_cast<int32_t>(settings.fontSize));
    lf.lfWeight = static_cast<LONG>(static_cast<int32_t>(settings.fontType));
    lf.lfPitchAndFamily = settings.fontPitch;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::wstring face = Widen(settings.fontName);
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    if (objects.font) DeleteObject(objects.font);
    objects.font = CreateFontIndirectW(&lf);

    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, objects.font);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    // A font the system cannot measure must still leave a usable layout.
    objects.charWidth = tm.tmAveCharWidth > 0 ? tm.tmAveCharWidth : 8;
    objects.lineHeight = tm.tmHeight + tm.tmExternalLeading > 0 ? tm.tmHeight + tm.tmExternalLeading : 12;
}

void CreateDrawingObjects(DisplayObjects& objects) {
    objects.blackPen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    objects.erasePen = CreatePen(PS_SOLID, 1, RGB(192, 192, 192));
    objects.needlePen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    objects.highlightPen = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    objects.shadowPen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    objects.backgroundBrush = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    objects.whiteBrush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

void DeleteDisplayObjects(DisplayObjects& objects) {
    for (HGDIOBJ o : {static_cast<HGDIOBJ>(objects.font), static_cast<HGDIOBJ>(objects.blackPen),
                      static_cast<HGDIOBJ>(objects.erasePen), static_cast<HGDIOBJ>(objects.needlePen),
                      static_cast<HGDIOBJ>(objects.highlightPen),
                      static_cast<HGDIOBJ>(objects.shadowPen)}) {
        if (o) DeleteObject(o);
    }
    objects = DisplayObjects{};
}

}  // namespace tarvon
