#pragma once
// Printing the rows of a viewer's list on the default printer, with the wait
// cursor and the viewer disabled while the job runs; "Error getting HDC" when
// there is no printer.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace tarvon {

struct ListPrint {
    std::string document;
    std::optional<std::string> title;
    std::optional<std::string> header;
    const std::vector<std::string>* rows = nullptr;
    std::vector<std::string> closingLines;  // printed after the rows
};

void PrintList(HWND viewer, const ListPrint& print);

}  // namespace tarvon
