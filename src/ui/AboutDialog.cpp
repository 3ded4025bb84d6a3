#include "ui/AboutDialog.h"

#include <cstdio>
#include <optional>
#include <vector>

#include "core/Utf8Path.h"
#include "ui/DialogControls.h"
#include "ui/ModalDialog.h"
#include "ui/SuiteDialogIds.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

struct CompanionProgram {
    const char* name;
    const char* file;  // in the suite directory
};
const CompanionProgram kCompanions[] = {
    {"VANT", "VANT.EXE"},
    {"Pevrin", "PEVRIN.EXE"},
    {"Scrivet", "SCRIVET.EXE"},
    {"Brisko", "BRISKO.EXE"},
};

struct AboutState {
    std::string kovaDirectory;
};

// "1.2.3.4" from the file's version resource; nothing when it has none.
std::optional<std::string> FileVersion(const std::wstring& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) return std::nullopt;
    std::vector<BYTE> data(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return std::nullopt;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info ||
        length < sizeof *info) {
        return std::nullopt;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", unsigned{HIWORD(info->dwFileVersionMS)},
                  unsigned{LOWORD(info->dwFileVersionMS)}, unsigned{HIWORD(info->dwFileVersionLS)},
                  unsigned{LOWORD(info->dwFileVersionLS)});
    return std::string(text);
}

std::wstring OwnPath() {
    wchar_t path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, n);
}

std::string CompanionLine(const CompanionProgram& program, const std::string& kovaDirectory) {
    const std::wstring path = SuiteFilePath(kovaDirectory, program.file).wstring();
    std::string line = std::string(program.name) + ":  ";
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return line + "not installed";
    return line + FileVersion(path).value_or("installed, no version information");
}

void OnInit(HWND dialog, AboutState& state) {
    SetControlText(dialog, IDC_ABOUT_VERSION, "Version " + FileVersion(OwnPath()).value_or("unknown"));
    std::string companions;
    for (const CompanionProgram& program : kCompanions) {
        companions += CompanionLine(program, state.kovaDirectory) + "\r\n";
    }
    SetControlText(dialog, IDC_ABOUT_COMPANIONS, companions);
}

void OnOk(HWND dialog, AboutState&) { EndDialog(dialog, IDOK); }

}  // namespace

void AboutDialog(HWND owner, const std::string& kovaDirectory) {
    static const DialogHandlers<AboutState> handlers{
        .place = "about box",
        .init = OnInit,
        .ok = OnOk};
    AboutState state{kovaDirectory};
    RunModalDialog(owner, IDD_ABOUT, state, handlers);
}

}  // namespace tarvon
