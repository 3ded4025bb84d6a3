#include "ui/MainPaint.h"

namespace tarvon {
namespace {

RECT ToRect(const Box& b) { return RECT{b.left, b.top, b.right, b.bottom}; }

}  // namespace

void DrawBox(HDC dc, const MainWindowState& state, const Box& box, const wchar_t* text) {
    const DisplayObjects& d = state.display;
    RECT r = ToRect(box);
    FillRect(dc, &r, d.backgroundBrush);
    // Upper and left edges in shadow, lower and right in highlight: sunken.
    HGDIOBJ old = SelectObject(dc, d.shadowPen);
    MoveToEx(dc, box.left - 1, box.bottom, nullptr);
    LineTo(dc, box.left - 1, box.top - 1);
    LineTo(dc, box.right + 1, box.top - 1);
    SelectObject(dc, d.highlightPen);
    MoveToEx(dc, box.right, box.top - 1, nullptr);
    LineTo(dc, box.right, box.bottom);
    LineTo(dc, box.left - 2, box.bottom);
    SelectObject(dc, old);
    if (text && *text) DrawTextW(dc, text, -1, &r, DT_CENTER | DT_SINGLELINE);
}

void PaintMainWindow(HDC dc, MainWindowState& state) {
    const MainLayout& l = state.layout;
    HGDIOBJ oldFont = SelectObject(dc, state.display.font);
    SetBkColor(dc, RGB(192, 192, 192));
    SetTextColor(dc, RGB(0, 0, 0));
    DrawBox(dc, state, l.schedulePane, nullptr);
    DrawBox(dc, state, l.scheduleHeader, L"Satellite     P El Start Time         Finish Time");
    DrawBox(dc, state, l.trackingPane, nullptr);
    DrawBox(dc, state, l.trackingHeader, L"Satellite    Azm  El  Range  Doplr   MA  CountDwn  Mode");
    DrawBox(dc, state, l.clockBox, nullptr);
    DrawBox(dc, state, l.nextPassBox, nullptr);
    TextOutW(dc, l.clockBox.left, l.clockBox.top, state.clockText.c_str(),
             static_cast<int>(state.clockText.size()));
    TextOutW(dc, l.clockLine2.left, l.clockLine2.top, state.dateText.c_str(),
             static_cast<int>(state.dateText.size()));
    DrawBox(dc, state, l.rotorBox, nullptr);
    if (state.hooks.paintPanes) state.hooks.paintPanes(dc);
    SelectObject(dc, oldFont);
}

}  // namespace tarvon
