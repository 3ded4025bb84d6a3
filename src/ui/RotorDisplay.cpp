#include "ui/RotorDisplay.h"

#include <cstdio>

#include "platform/Clock.h"
#include "ui/RotorGeometry.h"

namespace tarvon {
namespace {

struct Position {
    double azimuth, elevation;
};

Position DisplayPosition(MainWindowState& state) {
    std::lock_guard<std::mutex> lock(state.rotorMutex);
    return {state.rotorAzimuth, state.rotorElevation};
}

int64_t Now(const MainWindowState& state) { return state.clock ? state.clock->NowUnix() : 0; }

void Line(HDC dc, Point from, Point to) {
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
}

// The pieces of an arc continue from wherever the pen stands.
void ContinueArc(HDC dc, const std::vector<Point>& points) {
    for (const Point& p : points) LineTo(dc, p.x, p.y);
}

void DrawTicks(HDC dc, const MainWindowState& state, const RotorGeometry& g) {
    SelectObject(dc, state.display.blackPen);
    for (const Segment& tick : RotorTicks(g)) Line(dc, tick.from, tick.to);
}

// "Az %3.0f" below the compass, "El %3.0f" below the arc's base.
void DrawValue(HDC dc, const MainWindowState& state, const RotorGeometry& g, bool azimuth, double value) {
    const Box& box = state.layout.rotorBox;
    char text[32];
    std::snprintf(text, sizeof text, azimuth ? "Az %3.0f" : "El %3.0f", value);
    RECT r{box.left, azimuth ? 2 * g.cy - box.top + 1 : g.ey + 1, box.right, box.bottom};
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(192, 192, 192));
    DrawTextA(dc, text, -1, &r, DT_CENTER | DT_SINGLELINE);
}

void DrawNeedle(HDC dc, const RotorGeometry& g, bool azimuth, double degrees) {
    if (azimuth) {
        Line(dc, {g.cx, g.cy}, AzimuthNeedleEnd(g, degrees));
    } else {
        Line(dc, {g.cx, g.ey}, ElevationNeedleEnd(g, degrees));
    }
}

void DrawWhole(HDC dc, MainWindowState& state, Position at) {
    const DisplayObjects& d = state.display;
    const RotorGeometry g = RotorGeometryFor(state.layout.rotorBox, d.lineHeight);
    HGDIOBJ oldPen = SelectObject(dc, d.blackPen);
    DrawTicks(dc, state, g);

    const std::vector<Point> shadowed = ArcPoints(g.cx, g.cy, g.r, -0.785, 2.3625);
    MoveToEx(dc, shadowed.front().x, shadowed.front().y, nullptr);
    SelectObject(dc, d.shadowPen);
    ContinueArc(dc, shadowed);
    SelectObject(dc, d.highlightPen);
    ContinueArc(dc, ArcPoints(g.cx, g.cy, g.r, 2.3625, 5.6));
    SelectObject(dc, d.needlePen);
    DrawNeedle(dc, g, true, at.azimuth);
    DrawValue(dc, state, g, true, at.azimuth);

    const std::vector<Point> lit = ArcPoints(g.cx, g.ey, g.r, 3.14, 5.5125);
    MoveToEx(dc, lit.front().x, lit.front().y, nullptr);
    SelectObject(dc, d.highlightPen);
    ContinueArc(dc, lit);
    SelectObject(dc, d.shadowPen);
    ContinueArc(dc, ArcPoints(g.cx, g.ey, g.r, 5.5125, 6.3));
    // The base closes the half circle one pixel below its ends, back to the start.
    POINT end;
    GetCurrentPositionEx(dc, &end);
    MoveToEx(dc, end.x, g.ey + 1, nullptr);
    LineTo(dc, lit.front().x, g.ey + 1);
    SelectObject(dc, d.needlePen);
    DrawNeedle(dc, g, false, at.elevation);
    DrawValue(dc, state, g, false, at.elevation);
    SelectObject(dc, oldPen);

    state.drawnAzimuth = at.azimuth;
    state.drawnElevation = at.elevation;
    state.rotorWholeDrawnAt = Now(state);
}

}  // namespace

void DrawRotorDisplay(HDC dc, MainWindowState& state) { DrawWhole(dc, state, DisplayPosition(state)); }

void UpdateRotorDisplay(MainWindowState& state) {
    const Position at = DisplayPosition(state);
    const RotorRedraw redraw = PlanRotorRedraw(state.drawnAzimuth, state.drawnElevation, at.azimuth, at.elevation,
                                               state.rotorWholeDrawnAt, Now(state));
    if (!redraw.full && !redraw.azimuth && !redraw.elevation) return;
    HDC dc = GetDC(state.window);
    HGDIOBJ oldFont = SelectObject(dc, state.display.font);
    if (redraw.full) {
        const Box& b = state.layout.rotorBox;
        RECT r{b.left, b.top, b.right, b.bottom};
        FillRect(dc, &r, state.display.backgroundBrush);
        DrawWhole(dc, state, at);
    } else {
        const RotorGeometry g = RotorGeometryFor(state.layout.rotorBox, state.display.lineHeight);
        HGDIOBJ oldPen = SelectObject(dc, state.display.erasePen);
        // The old needles go first, so that the ticks they crossed are drawn again.
        if (redraw.azimuth) DrawNeedle(dc, g, true, state.drawnAzimuth);
        if (redraw.elevation) DrawNeedle(dc, g, false, state.drawnElevation);
        DrawTicks(dc, state, g);
        SelectObject(dc, state.display.needlePen);
        if (redraw.azimuth) {
            DrawNeedle(dc, g, true, at.azimuth);
            DrawValue(dc, state, g, true, at.azimuth);
            state.drawnAzimuth = at.azimuth;
        }
        if (redraw.elevation) {
            DrawNeedle(dc, g, false, at.elevation);
            DrawValue(dc, state, g, false, at.elevation);
            state.drawnElevation = at.elevation;
        }
        SelectObject(dc, oldPen);
    }
    SelectObject(dc, oldFont);
    ReleaseDC(state.window, dc);
}

}  // namespace tarvon
