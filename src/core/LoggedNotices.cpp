#include "core/LoggedNotices.h"

#include <string>

namespace tarvon {

NoticeAnswer LoggedNotices::Show(std::string_view text, std::string_view caption, NoticeIcon icon,
                                 NoticeButtons buttons) {
    log_.Record("Message \"" + std::string(caption) + "\": " + std::string(text));
    return shown_.Show(text, caption, icon, buttons);
}

}  // namespace tarvon
