#include "ui/MainLayout.h"

namespace tarvon {

void SplitLines(int lines, int trackingCount, int& scheduleLines, int& trackingLines) {
    if (lines < 9) {
        scheduleLines = 5;
        trackingLines = 2;
    } else if (trackingCount + 7 >= lines) {
        scheduleLines = 5;
        trackingLines = lines - 7;
    } else {
        trackingLines = trackingCount;
        scheduleLines = lines - trackingCount - 2;
    }
}

void LinesForClientHeight(int clientHeight, int toolbarHeight, int lineHeight, int trackingCount,
                          int& scheduleLines, int& trackingLines) {
    const int available = clientHeight - toolbarHeight - 14;
    const int lines = (available >= 13 && lineHeight > 0) ? available / lineHeight : 0;
    SplitLines(lines, trackingCount, scheduleLines, trackingLines);
}

void PlaceBoxes(MainLayout& layout, int charWidth, int lineHeight, const FrameMetrics& frame) {
    const int L = lineHeight;
    const int y0 = layout.toolbarHeight + 3;
    const int leftA = 4, leftB = 12 * charWidth + 5;
    const int rightA = 12 * charWidth + 13, rightB = frame.vScrollWidth + 68 * charWidth + 11;

    layout.clockBox = {leftA, y0, leftB, y0 + 2 * L};
    layout.clockLine2 = {leftA, y0 + L, leftB, y0 + 2 * L};
    const int nextTop = y0 + 2 * L + 5;
    layout.nextPassBox = {leftA, nextTop, leftB, nextTop + 2 * L};
    layout.nextPassUpper = {leftA, nextTop, leftB, nextTop + L};
    layout.nextPassLower = {leftA, nextTop + L, leftB, nextTop + 2 * L};
    const int rotorTop = layout.nextPassBox.bottom + 5;
    layout.rotorBox = {leftA, rotorTop, leftB, rotorTop + 10 * L + 5};

    layout.scheduleHeader = {rightA, y0, rightB, y0 + L};
    const int paneTop = y0 + L + 2;
    layout.schedulePane = {rightA, paneTop, rightB, paneTop + layout.scheduleLines * L};
    const int trackHeaderTop = layout.schedulePane.bottom + 5;
    layout.trackingHeader = {rightA, trackHeaderTop, rightB, trackHeaderTop + L};
    const int trackTop = layout.trackingHeader.bottom + 2;
    layout.trackingPane = {rightA, trackTop, rightB, trackTop + layout.trackingLines * L};

    layout.scrollBar = {rightB - frame.vScrollWidth, layout.schedulePane.top, rightB,
                        layout.schedulePane.bottom};

    layout.windowWidth = FixedWindowWidth(charWidth, frame);
    layout.windowHeight = layout.toolbarHeight + (layout.scheduleLines + layout.trackingLines + 2) * L +
                          2 * frame.frameY + frame.caption + frame.menu + 15;
}

SnappedHeight SnapWindowHeight(int proposedHeight, int toolbarHeight, int lineHeight, int trackingCount,
                               const FrameMetrics& frame) {
    const int overhead = 2 * frame.frameY + frame.caption + frame.menu + toolbarHeight + 15;
    const int lines = (proposedHeight >= overhead && lineHeight > 0)
                          ? (proposedHeight - overhead) / lineHeight
                          : 0;
    SnappedHeight snapped;
    SplitLines(lines, trackingCount, snapped.scheduleLines, snapped.trackingLines);
    snapped.height = overhead + (snapped.scheduleLines + snapped.trackingLines + 2) * lineHeight;
    return snapped;
}

int FixedWindowWidth(int charWidth, const FrameMetrics& frame) {
    return frame.vScrollWidth + 2 * (34 * charWidth + frame.frameX) + 13;
}

int PaneRowAt(const Box& pane, int lineHeight, int x, int y) {
    if (lineHeight <= 0 || x < pane.left || x >= pane.right || y < pane.top || y >= pane.bottom) return -1;
    return (y - pane.top) / lineHeight;
}

int PaneRowCentre(const Box& pane, int lineHeight, int row) { return pane.top + row * lineHeight + lineHeight / 2; }

int ScrolledTop(ScrollAction action, int top, int shownLines, int listedLines, int thumbPosition) {
    const int S = shownLines, N = listedLines;
    int next = top;
    switch (action) {
        case ScrollAction::LineUp:
            if (top <= 0) return -1;
            next = top - 1;
            break;
        case ScrollAction::LineDown:
            if (N - S <= top) return -1;
            next = top + 1;
            break;
        case ScrollAction::PageUp: next = top - S; break;
        case ScrollAction::PageDown: next = N - 2 * S > top ? top + S : N - S; break;
        case ScrollAction::Thumb: next = thumbPosition; break;
        case ScrollAction::Other: return -1;
    }
    // A list shorter than the pane has nothing to scroll to.
    return next < 0 ? 0 : next;
}

}  // namespace tarvon
