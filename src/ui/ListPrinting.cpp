#include "ui/ListPrinting.h"

#include "platform/LinePrinter.h"
#include "win32/Utf8.h"
#include "win32/Win32PrintDevice.h"

namespace tarvon {

void PrintList(HWND viewer, const ListPrint& print) {
    Win32PrintDevice device;
    LinePrinter printer(device);
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    if (!printer.Begin(print.document, print.title, print.header)) {
        SetCursor(previous);
        MessageBoxW(viewer, Widen(kNoPrinterText).c_str(), Widen(kNoPrinterCaption).c_str(), MB_OK);
        return;
    }
    // The viewer is modal: its owner is disabled already and must stay so.
    const bool wasDisabled = EnableWindow(viewer, FALSE) != 0;
    if (print.rows) {
        for (const std::string& row : *print.rows) printer.PrintLine(row);
    }
    for (const std::string& line : print.closingLines) printer.PrintLine(line);
    printer.End();
    if (!wasDisabled) EnableWindow(viewer, TRUE);
    SetCursor(previous);
}

}  // namespace tarvon
