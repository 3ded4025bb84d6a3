#include "core/HelpTopics.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "ScratchDir.h"
#include "core/PublicIds.h"

namespace tarvon {
namespace {

const std::filesystem::path kHelpSource = std::filesystem::path(TARVON_TEST_DATA) / ".." / ".." / "res" / "help";

std::string PageText(const std::string& page) { return testing::FileText(kHelpSource / page); }

// Every page a dialog opens is installed, and so is the place on it.
TEST(HelpTopicsTest, EveryTopicsPageAndPlaceExist) {
    for (const HelpTopic& topic : HelpTopics()) {
        SCOPED_TRACE(topic.context);
        const std::string text = PageText(topic.page);
        ASSERT_FALSE(text.empty()) << topic.page;
        if (*topic.anchor) {
            EXPECT_NE(text.find(std::string("id=\"") + topic.anchor + "\""), std::string::npos);
        }
    }
}

// Each page links only to pages that exist, and the contents reach them all.
TEST(HelpTopicsTest, PagesLinkOnlyToInstalledPagesAndTheContentsReachesEach) {
    const std::regex link("href=\"([a-z0-9-]+\\.(html|css))(#[a-z0-9-]+)?\"");
    std::set<std::string> fromContents;
    for (const auto& entry : std::filesystem::directory_iterator(kHelpSource)) {
        if (entry.path().extension() != ".html") continue;
        const std::string page = entry.path().filename().string();
        const std::string text = PageText(page);
        for (std::sregex_iterator it(text.begin(), text.end(), link), end; it != end; ++it) {
            const std::string target = (*it)[1];
            EXPECT_TRUE(std::filesystem::exists(kHelpSource / target)) << page << " links to " << target;
            const std::string place = (*it)[3];
            if (!place.empty()) {
                EXPECT_NE(PageText(target).find("id=\"" + place.substr(1) + "\""), std::string::npos)
                    << page << " links to " << target << place;
            }
            if (page == "index.html") fromContents.insert(target);
        }
    }
    for (const auto& entry : std::filesystem::directory_iterator(kHelpSource)) {
        const std::string page = entry.path().filename().string();
        if (entry.path().extension() == ".html" && page != "index.html") {
            EXPECT_TRUE(fromContents.count(page)) << page;
        }
    }
}

TEST(HelpTopicsTest, TargetsAndAddresses) {
    struct Case {
        unsigned context;
        int control;
        std::string folder, url;
    };
    const Case cases[] = {
        {IDH_EDIT_SATELLITE_DATA, 0, "C:\\Tarvon\\help", "file:///C:/Tarvon/help/edit-satellite-data.html"},
        // F1 on a control goes to the control's place.
        {IDH_EDIT_SATELLITE_DATA, 5026, "C:\\Tarvon\\help", "file:///C:/Tarvon/help/edit-satellite-data.html#ctl5026"},
        // A number no page has opens the contents.
        {99999, 0, "C:\\Tarvon\\help", "file:///C:/Tarvon/help/index.html"},
        // Blanks, a "#" or "%" in a folder's name, and non-ASCII names are escaped.
        {IDH_CONTENTS, 0, "C:\\Program Files\\Kova #2 100%\\help",
         "file:///C:/Program%20Files/Kova%20%232%20100%25/help/index.html"},
        {IDH_CONTENTS, 0, "D:\\Station \xC3\x9C\\help", "file:///D:/Station%20%C3%9C/help/index.html"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        EXPECT_EQ(HelpFileUrl(c.folder, HelpTarget(FindHelpTopic(c.context), c.control)), c.url);
    }
}

}  // namespace
}  // namespace tarvon
