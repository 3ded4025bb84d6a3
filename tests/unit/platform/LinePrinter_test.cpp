#include "platform/LinePrinter.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvon {
namespace {

// Keeps what a page would show, one string per printed text, "--" between pages.
class PagePrinter final : public PrintDevice {
public:
    explicit PagePrinter(bool available) : available_(available) {}
    bool StartDocument(std::string_view, PageMetrics& m) override {
        m = {10, 20, 60};
        return available_;
    }
    void Text(int x, int y, std::string_view text) override {
        EXPECT_EQ(x, 20);
        EXPECT_LE(y + 10, 60) << "a line beyond the page";
        printed.push_back(std::to_string(y) + " " + std::string(text));
    }
    void NextPage() override { printed.push_back("--"); }
    void EndDocument() override { printed.push_back("end"); }
    std::vector<std::string> printed;

private:
    bool available_;
};

TEST(LinePrinter, TitleAndHeaderOnEveryPage) {
    using Lines = std::vector<std::string>;
    struct Case {
        const char* what;
        std::optional<std::string> title, header;
        int lines;
        Lines printed;
    } cases[] = {
        {"a page holds three lines under title and header", "T", "H", 4,
         {"0 T", "10 H", "30 L1", "40 L2", "50 L3", "--", "0 T", "10 H", "30 L4", "end"}},
        {"exactly a page full ends without an empty page", "T", "H", 3,
         {"0 T", "10 H", "30 L1", "40 L2", "50 L3", "end"}},
        {"no header", "T", std::nullopt, 2, {"0 T", "20 L1", "30 L2", "end"}},
        {"no lines", "T", "H", 0, {"end"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PagePrinter device(true);
        LinePrinter printer(device);
        ASSERT_TRUE(printer.Begin("doc", c.title, c.header));
        for (int i = 1; i <= c.lines; ++i) printer.PrintLine("L" + std::to_string(i));
        printer.End();
        EXPECT_EQ(device.printed, c.printed);
    }
    PagePrinter none(false);
    EXPECT_FALSE(LinePrinter(none).Begin("doc", "T", "H"));
}

}  // namespace
}  // namespace tarvon
