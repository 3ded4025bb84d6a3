#pragma once
// The right mouse button on the schedule pane and the tracking pane: the
// popup menu of the pass or tracking entry under it, and its commands.
#include <memory>

#include "schedule/TrackingList.h"
#include "ui/MainWindow.h"

namespace tarvon {

// WM_RBUTTONDOWN at (x, y) of the client area. Nothing opens while another
// popup is open, or below the last line of a pane.
void OnPaneRightButton(MainWindowState& state, int x, int y);

// Takes a tracking entry out of the list, stores the list and lays the
// window out for its new length.
void RemoveFromTrackingList(MainWindowState& state, const std::shared_ptr<TrackingEntry>& entry);

}  // namespace tarvon
