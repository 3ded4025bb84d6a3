#pragma once
// Plain text lines on the default printer, with a title and a column header
// at the top of every page. The page arithmetic lives here; the device only
// opens the printer and puts text where it is told.
#include <optional>
#include <string>
#include <string_view>

namespace tarvon {

constexpr const char* kNoPrinterText = "Error getting HDC";
constexpr const char* kNoPrinterCaption = "Print Error";

struct PageMetrics {
    int lineHeight = 0;   // font height plus external leading
    int leftMargin = 0;   // two average character widths
    int pageHeight = 0;   // printable height
};

class PrintDevice {
public:
    virtual ~PrintDevice() = default;
    // Starts a document and its first page; false when there is no printer.
    virtual bool StartDocument(std::string_view name, PageMetrics& metrics) = 0;
    virtual void Text(int x, int y, std::string_view text) = 0;
    virtual void NextPage() = 0;
    // Ends the last page and the document.
    virtual void EndDocument() = 0;
};

// One print job at a time on one device.
class LinePrinter {
public:
    explicit LinePrinter(PrintDevice& device) : device_(device) {}
    // False when the printer cannot be had; nothing is printed then.
    bool Begin(std::string_view documentName, std::optional<std::string> title,
               std::optional<std::string> header);
    void PrintLine(std::string_view text);
    void End();
    int Pages() const { return page_; }

private:
    PrintDevice& device_;
    PageMetrics metrics_;
    std::optional<std::string> title_, header_;
    int y_ = 0;
    int page_ = 0;
};

}  // namespace tarvon
