#pragma once
// The main window as the clock thread sees it, keeping what it was shown.
#include <string>
#include <vector>

#include "schedule/ClockThread.h"

namespace tarvon::testing {

class RecordingDisplay final : public ClockDisplay {
public:
    bool popupOpen = false;
    bool minimised = false;
    int trackingLines = 2;
    int scrollResets = 0;
    std::vector<std::string> titles;
    std::string clock, date, nextName, nextCountdown;

    bool PopupMenuOpen() override { return popupOpen; }
    void ResetScheduleScroll() override { ++scrollResets; }
    bool Minimised() override { return minimised; }
    void SetTitle(const std::string& title) override { titles.push_back(title); }
    void ShowClock(const std::string& c, const std::string& d, const std::string& n, const std::string& cd) override {
        clock = c;
        date = d;
        nextName = n;
        nextCountdown = cd;
    }
    int TrackingLinesShown() override { return trackingLines; }
    void ShowTrackingLine(int, const std::string&, bool) override {}
    void PlayTrackAosSound() override {}
};

}  // namespace tarvon::testing
