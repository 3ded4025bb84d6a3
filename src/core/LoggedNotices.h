#pragma once
// Every message the station shows the user is also written to the station
// log, so that a message box nobody was there to read is still on record.
#include "platform/Notices.h"
#include "platform/StationLog.h"

namespace tarvon {

class LoggedNotices final : public Notices {
public:
    LoggedNotices(Notices& shown, StationLog& log) : shown_(shown), log_(log) {}

    NoticeAnswer Show(std::string_view text, std::string_view caption, NoticeIcon icon,
                      NoticeButtons buttons = NoticeButtons::Ok) override;
    void RequestRedraw(RedrawTarget target) override { shown_.RequestRedraw(target); }

private:
    Notices& shown_;
    StationLog& log_;
};

}  // namespace tarvon
