#pragma once
// What the user is told: message boxes with fixed texts and captions, and
// requests to redraw parts of the windows.
#include <string_view>

namespace tarvon {

enum class NoticeIcon { None, Information, Exclamation, Error, Question };
enum class NoticeButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class NoticeAnswer { Ok, Cancel, Yes, No };

enum class RedrawTarget { MainWindow, SchedulePane, TrackingPane, MapWindow };

class Notices {
public:
    virtual ~Notices() = default;
    virtual NoticeAnswer Show(std::string_view text, std::string_view caption, NoticeIcon icon,
                              NoticeButtons buttons = NoticeButtons::Ok) = 0;
    virtual void RequestRedraw(RedrawTarget target) = 0;
};

}  // namespace tarvon
