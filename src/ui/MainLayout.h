#pragma once
// Where the main window's boxes and panes go, from the font metrics and the
// client size. Plain arithmetic, so it carries no window types.

namespace tarvon {

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct FrameMetrics {
    int vScrollWidth;  // SM_CXVSCROLL
    int frameX;        // SM_CXFRAME
    int frameY;        // SM_CYFRAME
    int caption;       // SM_CYCAPTION
    int menu;          // SM_CYMENU
};

struct MainLayout {
    int scheduleLines = 5;
    int trackingLines = 2;
    int toolbarHeight = 0;
    Box clockBox, clockLine2;
    Box nextPassBox, nextPassUpper, nextPassLower;
    Box rotorBox;
    Box scheduleHeader, schedulePane, trackingHeader, trackingPane;
    Box scrollBar;
    int windowWidth = 0;
    int windowHeight = 0;
};

// How many schedule and tracking lines `lines` text lines give.
void SplitLines(int lines, int trackingCount, int& scheduleLines, int& trackingLines);

// The line counts from a client height (the layout rule).
void LinesForClientHeight(int clientHeight, int toolbarHeight, int lineHeight, int trackingCount,
                          int& scheduleLines, int& trackingLines);

// The positions of every box for the current line counts.
void PlaceBoxes(MainLayout& layout, int charWidth, int lineHeight, const FrameMetrics& frame);

// The lines a proposed window height gives the panes, and the height snapped
// to them: the window grows and shrinks by whole lines only.
struct SnappedHeight {
    int height = 0;
    int scheduleLines = 5;
    int trackingLines = 2;
};
SnappedHeight SnapWindowHeight(int proposedHeight, int toolbarHeight, int lineHeight, int trackingCount,
                               const FrameMetrics& frame);

// The one width the window has: the panes' width and its frame.
int FixedWindowWidth(int charWidth, const FrameMetrics& frame);

// The line of a pane under a click at (x, y), counted from the pane's first
// shown line; -1 outside the pane.
int PaneRowAt(const Box& pane, int lineHeight, int x, int y);
// The y of the middle of that row, where its popup menu opens.
int PaneRowCentre(const Box& pane, int lineHeight, int row);

// How the schedule pane's scroll bar was moved.
enum class ScrollAction { LineUp, LineDown, PageUp, PageDown, Thumb, Other };

// The first shown schedule line after a scroll of `shownLines` lines over
// `listedLines`, never below 0; -1 when the action does nothing (a line
// beyond either end, or an action that is no move).
int ScrolledTop(ScrollAction action, int top, int shownLines, int listedLines, int thumbPosition);

}  // namespace tarvon
