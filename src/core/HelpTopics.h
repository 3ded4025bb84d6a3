#pragma once
// The station's help: one HTML page per dialog and window, installed in the
// "help" folder beside the program. Dialogs name a page by its context
// number (core/PublicIds.h); this table says which page and which place on it.
#include <span>
#include <string>

namespace tarvon {

struct HelpTopic {
    unsigned context;
    const char* page;    // file name in the help folder
    const char* anchor;  // place on the page; empty for its top
};

constexpr const char* kHelpFolderName = "help";

// The topic of a context number; the contents page for a number no page has.
HelpTopic FindHelpTopic(unsigned context);

// Every topic, so that a check can find each page and place.
std::span<const HelpTopic> HelpTopics();

// "station-setup.html#transverters". F1 on a control (`controlId` not 0)
// goes to the control's own place on the page, "ctl<id>".
std::string HelpTarget(const HelpTopic& topic, int controlId);

// "file:///C:/Program%20Files/Tarvon/help/station-setup.html#ctl5203" for the
// help folder "C:\Program Files\Tarvon\help" (UTF-8). Every byte a URL cannot
// carry as it is, a "#" or "%" of the folder's name included, is escaped.
std::string HelpFileUrl(const std::string& helpFolder, const std::string& target);

}  // namespace tarvon
