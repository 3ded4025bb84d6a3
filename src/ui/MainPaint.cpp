#include "ui/MainPaint.h"

#include "schedule/ScheduleListing.h"
#include "ui/RotorDisplay.h"
#include "ui/SchedulePane.h"
#include "ui/WindowSchedulerPorts.h"
#include "win32/Utf8.h"

namespace tarvon {

void DrawBox(HDC dc, const MainWindowState& state, const Box& box, const wchar_t* text) {
    if (box.bottom == 0) return;
    const DisplayObjects& d = state.display;
    const int left = box.left - 2;
    // Shadow above and to the left, highlight below and to the right: sunken.
    HGDIOBJ old = SelectObject(dc, d.shadowPen);
    MoveToEx(dc, left - 1, box.bottom, nullptr);
    LineTo(dc, left - 1, box.top - 1);
    LineTo(dc, box.right, box.top - 1);
    SelectObject(dc, d.highlightPen);
    LineTo(dc, box.right, box.bottom);
    LineTo(dc, left - 1, box.bottom);
    SelectObject(dc, old);
    RECT inside{left, box.top, box.right, box.bottom};
    FillRect(dc, &inside, d.backgroundBrush);
    if (text && *text) {
        SetTextColor(dc, RGB(0, 0, 0));
        DrawTextW(dc, text, -1, &inside, DT_VCENTER | DT_SINGLELINE | DT_LEFT);
    }
}

void PaintMainWindow(HDC dc, MainWindowState& state) {
    const MainLayout& l = state.layout;
    HGDIOBJ oldFont = SelectObject(dc, state.display.font);
    SetBkColor(dc, RGB(192, 192, 192));
    SetTextColor(dc, RGB(0, 0, 0));
    DrawBox(dc, state, l.schedulePane, nullptr);
    DrawBox(dc, state, l.scheduleHeader, Widen(kScheduleHeader).c_str());
    DrawBox(dc, state, l.trackingPane, nullptr);
    DrawBox(dc, state, l.trackingHeader, L"Satellite    Azm  El  Range  Doplr   MA  CountDwn  Mode");
    DrawBox(dc, state, l.clockBox, nullptr);
    DrawBox(dc, state, l.nextPassBox, nullptr);
    DrawClockBoxes(dc, state);
    DrawBox(dc, state, l.rotorBox, nullptr);
    DrawRotorDisplay(dc, state);
    {
        std::lock_guard<std::mutex> lock(state.textMutex);
        for (size_t row = 0; row < state.trackingLineTexts.size(); ++row) {
            const auto& [text, above] = state.trackingLineTexts[row];
            DrawTrackingLine(dc, state, static_cast<int>(row), text, above);
        }
    }
    DrawSchedulePane(dc, state);
    SelectObject(dc, oldFont);
}

}  // namespace tarvon
