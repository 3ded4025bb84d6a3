#include "ui/RotorDisplay.h"

#include <cmath>
#include <cstdio>

namespace tarvon {
namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;

struct RotorGeometry {
    int r, cx, cy, ey;
};

RotorGeometry GeometryOf(const MainWindowState& state) {
    const Box& box = state.layout.rotorBox;
    const int h = box.bottom - box.top;
    return {h * 4 / 17, box.left + (box.right - box.left) / 2, box.top + h / 4,
            box.bottom - state.display.lineHeight - 1};
}

// Moves a coordinate `by` pixels towards the centre line, unless it is on it.
int Inward(int value, int centre, int by) {
    if (value > centre) return value - by;
    if (value < centre) return value + by;
    return value;
}

void Line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

void DrawTicks(HDC dc, const RotorGeometry& g) {
    for (int degrees = 0; degrees < 360; degrees += 45) {
        const double a = degrees * kRadiansPerDegree;
        const int x = g.cx + static_cast<int>(std::sin(a) * g.r);
        const int y = g.cy - static_cast<int>(std::cos(a) * g.r);
        Line(dc, Inward(x, g.cx, 1), Inward(y, g.cy, 1), Inward(x, g.cx, 4), Inward(y, g.cy, 4));
    }
    for (int degrees = 45; degrees <= 135; degrees += 45) {
        const double a = degrees * kRadiansPerDegree;
        const int x = g.cx - static_cast<int>(std::cos(a) * g.r);
        const int y = g.ey - static_cast<int>(std::sin(a) * g.r);
        Line(dc, Inward(x, g.cx, 1), y + 1, Inward(x, g.cx, 4), y + 4);
    }
}

void DrawArc(HDC dc, int cx, int cy, int r, double from, double to) {
    MoveToEx(dc, cx + static_cast<int>(std::cos(from) * r), cy + static_cast<int>(std::sin(from) * r), nullptr);
    for (double a = from + 0.15; a <= to; a += 0.15) {
        LineTo(dc, cx + static_cast<int>(std::cos(a) * r), cy + static_cast<int>(std::sin(a) * r));
    }
}

void DrawCentredValue(HDC dc, const Box& box, int top, const char* format, double value) {
    wchar_t text[32];
    char narrow[32];
    std::snprintf(narrow, sizeof narrow, format, value);
    MultiByteToWideChar(CP_ACP, 0, narrow, -1, text, 32);
    RECT r{box.left, top, box.right, box.bottom};
    DrawTextW(dc, text, -1, &r, DT_CENTER | DT_SINGLELINE);
}

}  // namespace

void DrawRotorDisplay(HDC dc, const MainWindowState& state, double azimuth, double elevation) {
    const DisplayObjects& d = state.display;
    const Box& box = state.layout.rotorBox;
    const RotorGeometry g = GeometryOf(state);
    HGDIOBJ oldPen = SelectObject(dc, d.blackPen);
    DrawTicks(dc, g);

    SelectObject(dc, d.shadowPen);
    DrawArc(dc, g.cx, g.cy, g.r, -0.785, 2.3625);
    SelectObject(dc, d.highlightPen);
    DrawArc(dc, g.cx, g.cy, g.r, 2.3625, 5.6);

    const double az = azimuth * kRadiansPerDegree;
    SelectObject(dc, d.needlePen);
    Line(dc, g.cx, g.cy, Inward(g.cx + static_cast<int>(std::sin(az) * g.r), g.cx, 1),
         Inward(g.cy - static_cast<int>(std::cos(az) * g.r), g.cy, 1));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(192, 192, 192));
    DrawCentredValue(dc, box, 2 * g.cy - box.top + 1, "Az %3.0f", azimuth);

    SelectObject(dc, d.highlightPen);
    DrawArc(dc, g.cx, g.ey, g.r, 3.14, 5.5125);
    SelectObject(dc, d.shadowPen);
    DrawArc(dc, g.cx, g.ey, g.r, 5.5125, 6.3);
    // The base line closes the half circle one pixel below its ends.
    Line(dc, g.cx + g.r, g.ey + 1, g.cx - g.r, g.ey + 1);

    const double el = elevation * kRadiansPerDegree;
    SelectObject(dc, d.needlePen);
    Line(dc, g.cx, g.ey, Inward(g.cx - static_cast<int>(std::cos(el) * g.r), g.cx, 1),
         Inward(g.ey - static_cast<int>(std::sin(el) * g.r), g.ey, 1));
    DrawCentredValue(dc, box, g.ey + 1, "El %3.0f", elevation);
    SelectObject(dc, oldPen);
}

}  // namespace tarvon
