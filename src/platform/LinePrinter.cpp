#include "platform/LinePrinter.h"

namespace tarvon {

bool LinePrinter::Begin(std::string_view documentName, std::optional<std::string> title,
                        std::optional<std::string> header) {
    if (!device_.StartDocument(documentName, metrics_)) return false;
    if (metrics_.lineHeight < 1) metrics_.lineHeight = 1;
    title_ = std::move(title);
    header_ = std::move(header);
    y_ = 0;
    page_ = 1;
    return true;
}

// A line that would not fit in full starts the next page, so no line is cut
// at the bottom edge and no empty page ends the job.
void LinePrinter::PrintLine(std::string_view text) {
    if (y_ != 0 && y_ + metrics_.lineHeight > metrics_.pageHeight) {
        device_.NextPage();
        y_ = 0;
        ++page_;
    }
    if (y_ == 0) {
        for (const auto* top : {&title_, &header_}) {
            if (!*top) continue;
            device_.Text(metrics_.leftMargin, y_, **top);
            y_ += metrics_.lineHeight;
        }
        y_ += metrics_.lineHeight;
    }
    device_.Text(metrics_.leftMargin, y_, text);
    y_ += metrics_.lineHeight;
}

void LinePrinter::End() { device_.EndDocument(); }

}  // namespace tarvon
