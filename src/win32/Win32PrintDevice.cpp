#include "win32/Win32PrintDevice.h"

#include <string>

#include "win32/Utf8.h"

namespace tarvon {
namespace {

// "name,driver,port" of the default printer; a missing part stays empty.
HDC DefaultPrinterDc() {
    wchar_t entry[81] = {};
    GetProfileStringW(L"windows", L"device", L"", entry, 81);
    std::wstring parts[3];
    int part = 0;
    for (const wchar_t* c = entry; *c && part < 3; ++c) {
        if (*c == L',') {
            ++part;
        } else {
            parts[part] += *c;
        }
    }
    if (parts[0].empty()) return nullptr;
    return CreateDCW(parts[1].empty() ? nullptr : parts[1].c_str(), parts[0].c_str(),
                     parts[2].empty() ? nullptr : parts[2].c_str(), nullptr);
}

}  // namespace

Win32PrintDevice::~Win32PrintDevice() {
    if (dc_) DeleteDC(dc_);
}

bool Win32PrintDevice::StartDocument(std::string_view name, PageMetrics& metrics) {
    dc_ = DefaultPrinterDc();
    if (!dc_) return false;
    const std::wstring document = Widen(name);
    DOCINFOW info{};
    info.cbSize = sizeof info;
    info.lpszDocName = document.c_str();
    StartDocW(dc_, &info);
    StartPage(dc_);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc_, &tm);
    metrics.lineHeight = tm.tmHeight + tm.tmExternalLeading;
    metrics.leftMargin = 2 * tm.tmAveCharWidth;
    metrics.pageHeight = GetDeviceCaps(dc_, VERTRES);
    return true;
}

void Win32PrintDevice::Text(int x, int y, std::string_view text) {
    const std::wstring wide = Widen(text);
    TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

void Win32PrintDevice::NextPage() {
    EndPage(dc_);
    StartPage(dc_);
}

void Win32PrintDevice::EndDocument() {
    EndPage(dc_);
    EndDoc(dc_);
    DeleteDC(dc_);
    dc_ = nullptr;
}

}  // namespace tarvon
