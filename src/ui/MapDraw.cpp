#include "ui/MapDraw.h"

#include <cmath>

#include "core/Settings.h"
#include "core/TimeFormat.h"
#include "orbit/NextEvent.h"
#include "orbit/ObserverGeometry.h"
#include "orbit/OrbitConstants.h"
#include "orbit/Propagation.h"
#include "resource.h"
#include "ui/MapTexts.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

using orbit::kRadToDeg;

constexpr int kMarkerRay = 3;         // the asterisk reaches 3 pixels from its centre
constexpr int kTerminatorSeconds = 250;
constexpr int kMovesPerRedraw = 30;
constexpr int kPanelGap = 4;
const COLORREF kPanelColour = RGB(192, 192, 192);

int PanelTop() { return kMapHeight + 2; }
int InfoTop() { return PanelTop() + kPanelGap; }
int HeaderTop(const MapFrame& f) { return InfoTop() + 3 * f.lineHeight + 2 * kPanelGap; }
int RowsTop(const MapFrame& f) { return HeaderTop(f) + f.lineHeight + 2 * kPanelGap; }

void Segment(HDC dc, const MapSegment& s) {
    MoveToEx(dc, s.from.x, s.from.y, nullptr);
    LineTo(dc, s.to.x, s.to.y);
}

void Segments(HDC dc, const std::vector<MapSegment>& segments) {
    for (const MapSegment& s : segments) Segment(dc, s);
}

// An asterisk whose every pixel is drawn once, so that drawing it again in
// XOR mode restores what was under it.
void Asterisk(HDC dc, MapPoint p) {
    MoveToEx(dc, p.x, p.y, nullptr);
    LineTo(dc, p.x + 1, p.y);
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0) continue;
            MoveToEx(dc, p.x + dx, p.y + dy, nullptr);
            LineTo(dc, p.x + dx * (kMarkerRay + 1), p.y + dy * (kMarkerRay + 1));
        }
    }
}

void XorMarker(MapFrame& f, const LastMarker& m) {
    const int oldRop = SetROP2(f.dc, R2_XORPEN);
    HGDIOBJ oldPen = SelectObject(f.dc, f.markerPen);
    Asterisk(f.dc, m.point);
    if (m.circle) Segments(f.dc, m.circleSegments);
    SelectObject(f.dc, oldPen);
    SetROP2(f.dc, oldRop);
}

void DrawPicture(MapWindowState& s) {
    MapFrame& f = s.frame;
    HDC pictureDc = CreateCompatibleDC(f.dc);
    HGDIOBJ old = SelectObject(pictureDc, f.picture);
    const int split = PictureSplit(s.originShift);
    BitBlt(f.dc, split, 0, kMapWidth - split, kMapHeight, pictureDc, 0, 0, SRCCOPY);
    if (split > 0) BitBlt(f.dc, 0, 0, split, kMapHeight, pictureDc, kMapWidth - split, 0, SRCCOPY);
    SelectObject(pictureDc, old);
    DeleteDC(pictureDc);
}

void DrawWithPen(MapFrame& f, HPEN pen, const std::vector<MapSegment>& segments) {
    HGDIOBJ old = SelectObject(f.dc, pen);
    Segments(f.dc, segments);
    SelectObject(f.dc, old);
}

void DrawObservers(MapWindowState& s) {
    HGDIOBJ old = SelectObject(s.frame.dc, s.frame.observerPen);
    for (int i = 0; i < s.observerCount; ++i) {
        const ObserverGeo& o = s.observers[i];
        const MapPoint p = ProjectToMap(o.latitude * kRadToDeg, o.longitude * kRadToDeg, s.originShift);
        MoveToEx(s.frame.dc, p.x - 2, p.y - 2, nullptr);
        LineTo(s.frame.dc, p.x + 3, p.y + 3);
        MoveToEx(s.frame.dc, p.x + 2, p.y - 2, nullptr);
        LineTo(s.frame.dc, p.x - 3, p.y + 3);
    }
    SelectObject(s.frame.dc, old);
}

void Text(MapFrame& f, int x, int y, const std::string& text, COLORREF colour = RGB(0, 0, 0)) {
    SetTextColor(f.dc, colour);
    const std::wstring w = Widen(text);
    TextOutW(f.dc, x, y, w.c_str(), static_cast<int>(w.size()));
}

// Blanks after the text, so a shorter line covers a longer one.
std::string Padded(std::string text, size_t width = 66) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

void DrawInfoPanel(MapWindowState& s) {
    MapFrame& f = s.frame;
    const MapScene& scene = s.scene;
    const Settings& settings = *s.settings;
    const int32_t shown = DisplayTime(scene.unixTime, settings.general.displayTime != 0, settings.timeZoneBiasSeconds);
    const int x = f.charWidth;
    const std::string line1 = MapTimeLine(scene.body.name, shown);
    Text(f, x, InfoTop(), Padded(line1, 40));
    const int statusX = x + 41 * f.charWidth;
    Text(f, statusX, InfoTop(), s.paused ? "Paused" : "      ", RGB(255, 0, 0));
    if (scene.eclipsed) {
        Text(f, statusX + 7 * f.charWidth, InfoTop(), "Eclipsed", RGB(0, 0, 255));
    } else if (scene.visible) {
        Text(f, statusX + 7 * f.charWidth, InfoTop(), "Visible ", RGB(0, 128, 0));
    } else {
        Text(f, statusX + 7 * f.charWidth, InfoTop(), "        ");
    }
    const double west = SignedWestLongitude(scene.body.subLongitude) * kRadToDeg;
    const std::string mode = scene.bodyIsSun ? std::string(5, ' ') : ModeForPhase(s.modes, scene.body.phase);
    Text(f, x, InfoTop() + f.lineHeight,
         Padded(MapPositionLine(scene.body.subLatitude * kRadToDeg, west, scene.body.height, scene.body.phase, mode)));
    std::string countdown;
    if (!scene.bodyIsSun && s.forward) {
        countdown = MapCountdownLine(scene.body.nextEventTime, scene.body.searchState == kNextEventAos, scene.unixTime);
        if (countdown.empty() && scene.body.nextEventTime != 0) {
            s.scene.body.nextEventTime = 0;
            s.nextEventWanted = true;
        }
    }
    Text(f, x, InfoTop() + 2 * f.lineHeight, Padded(countdown));
}

void DrawObserverTable(MapWindowState& s) {
    MapFrame& f = s.frame;
    SatState& body = s.scene.body;
    Text(f, f.charWidth, HeaderTop(f), kMapTableHeader);
    const double azimuth = body.azimuth, elevation = body.elevation;  // the station's, kept for the rotator
    int row = 0;
    for (int i = s.observerCount - 1; i >= 0; --i, ++row) {
        ObserverGeo& o = s.observers[i];
        SetupObserver(o, body);
        ComputeLookAngles(body, o);
        RangeRateAndSquint(body, o);
        const std::string text =
            MapObserverRow(o.name, body.azimuth * kRadToDeg, body.elevation * kRadToDeg, body.range,
                           body.beaconFrequency > 0.0, DopplerShift(o.rangeRate, body.beaconFrequency),
                           HasAntennaAttitude(body), o.squint);
        Text(f, f.charWidth, RowsTop(f) + row * f.lineHeight, Padded(text));
    }
    body.azimuth = azimuth;
    body.elevation = elevation;
}

void RecomputeTrack(MapWindowState& s) {
    s.trackSpan = GroundTrackSpanAt(s.scene.time, SceneRevolutionsPerDay(s.scene), s.forward);
    ComputeGroundTrack(s.scene, s.trackSpan, s.originShift, s.track);
    s.trackValid = true;
}

void DrawMarkerAndMap(MapWindowState& s, bool full) {
    MapFrame& f = s.frame;
    const MapScene& scene = s.scene;
    LastMarker marker;
    marker.point = ProjectToMap(scene.body.subLatitude * kRadToDeg, scene.body.subLongitude * kRadToDeg, s.originShift);
    if (!full && s.lastMarker.drawn && marker.point == s.lastMarker.point) return;

    if (!full && s.redrawCounter > 0 && s.lastMarker.drawn) {
        XorMarker(f, s.lastMarker);
        --s.redrawCounter;
    } else {
        s.redrawCounter = kMovesPerRedraw;
        DrawPicture(s);
        if (s.drawTrack && s.trackValid) DrawWithPen(f, f.trackPen, MapPolyline(s.track, kGroundTrackPoints, false));
        DrawObservers(s);
        s.terminatorValid = false;
    }
    if (s.drawTerminator && (!s.terminatorValid || std::abs(scene.unixTime - s.terminatorTime) > kTerminatorSeconds)) {
        const auto ring = AcquisitionCircle(scene.sun.subLatitude, scene.sun.subLongitude, scene.sun.height, s.originShift);
        DrawWithPen(f, f.terminatorPen, MapPolyline(ring.data(), ring.size(), true));
        s.terminatorTime = scene.unixTime;
        s.terminatorValid = true;
    }
    // The Sun's circle is the terminator itself, drawn above.
    marker.circle = s.drawCircle && !scene.bodyIsSun;
    if (marker.circle) {
        const auto ring = AcquisitionCircle(scene.body.subLatitude, scene.body.subLongitude, scene.body.height,
                                            s.originShift);
        marker.circleSegments = MapPolyline(ring.data(), ring.size(), true);
    }
    marker.drawn = true;
    XorMarker(f, marker);
    s.lastMarker = std::move(marker);
}

void ShowFrame(MapWindowState& s) {
    HDC dc = GetDC(s.window);
    if (!dc) return;
    BitBlt(dc, 0, 0, s.frame.width, s.frame.height, s.frame.dc, 0, 0, SRCCOPY);
    ReleaseDC(s.window, dc);
}

void ClearPanel(MapFrame& f) {
    RECT panel{0, kMapHeight, f.width, f.height};
    HBRUSH brush = CreateSolidBrush(kPanelColour);
    FillRect(f.dc, &panel, brush);
    DeleteObject(brush);
    HGDIOBJ old = SelectObject(f.dc, f.framePen);
    for (int top : {PanelTop(), HeaderTop(f) - kPanelGap, RowsTop(f) - kPanelGap}) {
        MoveToEx(f.dc, 0, top, nullptr);
        LineTo(f.dc, f.width, top);
    }
    SelectObject(f.dc, old);
}

}  // namespace

int MapClientHeight(const MapFrame& frame, int observerCount) {
    return RowsTop(frame) + observerCount * frame.lineHeight + kPanelGap;
}

void CreateMapFrame(MapWindowState& s) {
    MapFrame& f = s.frame;
    HDC windowDc = GetDC(s.window);
    f.dc = CreateCompatibleDC(windowDc);
    f.width = kMapWidth;
    f.height = MapClientHeight(f, kMapObserverLimit);
    f.bitmap = CreateCompatibleBitmap(windowDc, f.width, f.height);
    ReleaseDC(s.window, windowDc);
    f.oldBitmap = SelectObject(f.dc, f.bitmap);
    f.picture = static_cast<HBITMAP>(LoadImageW(s.instance, MAKEINTRESOURCEW(IDB_WORLDMAP), IMAGE_BITMAP, 0, 0, 0));
    f.trackPen = CreatePen(PS_SOLID, 1, RGB(255, 80, 80));
    f.terminatorPen = CreatePen(PS_SOLID, 1, RGB(255, 220, 0));
    f.markerPen = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    f.observerPen = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    f.framePen = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
    SelectObject(f.dc, f.font);
    SetBkColor(f.dc, kPanelColour);
    SetBkMode(f.dc, OPAQUE);
    ClearPanel(f);
}

void FreeMapFrame(MapFrame& f) {
    if (f.dc) {
        SelectObject(f.dc, f.oldBitmap);
        DeleteDC(f.dc);
    }
    for (HGDIOBJ o : {static_cast<HGDIOBJ>(f.bitmap), static_cast<HGDIOBJ>(f.picture),
                      static_cast<HGDIOBJ>(f.trackPen), static_cast<HGDIOBJ>(f.terminatorPen),
                      static_cast<HGDIOBJ>(f.markerPen), static_cast<HGDIOBJ>(f.observerPen),
                      static_cast<HGDIOBJ>(f.framePen), static_cast<HGDIOBJ>(f.font)}) {
        if (o) DeleteObject(o);
    }
    f = MapFrame{};
}

void MapDraw(MapWindowState& s, bool full) {
    std::lock_guard<std::mutex> guard(s.lock);
    if (!s.frame.dc) return;
    if (full) {
        s.redrawCounter = 0;
        ClearPanel(s.frame);
    }
    const double t = s.scene.time;
    if (s.drawTrack && (!s.trackValid || t > s.trackSpan.end || t < s.trackSpan.start)) {
        RecomputeTrack(s);
        full = true;
    }
    UpdateMapScene(s.scene, s.station);
    if (s.drawTerminator && std::abs(s.scene.unixTime - s.terminatorTime) > kTerminatorSeconds) full = true;
    if (full) s.redrawCounter = 0;
    DrawInfoPanel(s);
    DrawObserverTable(s);
    DrawMarkerAndMap(s, full);
    ShowFrame(s);
}

}  // namespace tarvon
