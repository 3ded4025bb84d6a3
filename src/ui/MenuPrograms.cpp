#include "ui/MenuPrograms.h"

#include "core/PublicIds.h"
#include "core/UserPrograms.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

constexpr const char* kScrivetKey = "SOFTWARE\\Kova\\Scrivet";
constexpr uint32_t kSignatureBuffer = 240;
constexpr int kProgramsPopup = 4;

std::string SuiteFolder(const MainWindowState& state) { return state.settings->general.kovaDirectory; }

// The menu text of a command without its accelerator marks.
std::wstring CommandLabel(HMENU menu, int commandId) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(commandId), text, 128, MF_BYCOMMAND);
    std::wstring label;
    for (const wchar_t* c = text; *c && *c != L'\t'; ++c) {
        if (*c != L'&') label += *c;
    }
    return label.empty() ? L"This command" : label;
}

HMENU ProgramsPopup(const MainWindowState& state) { return GetSubMenu(state.menu, kProgramsPopup); }

}  // namespace

void StartMenuProgram(MainWindowState& state, const ProcessStart& start) {
    if (state.processes && state.processes->Start(start)) return;
    const std::wstring text = L"Tarvon was unable to start the program \"" + Widen(start.commandLine) + L"\".";
    MessageBoxW(state.window, text.c_str(), L"Tarvon Error", MB_OK | MB_ICONEXCLAMATION);
}

void RunSuiteProgram(MainWindowState& state, const char* programFile) {
    StartMenuProgram(state, {SuiteFolder(state) + "\\" + programFile, "", ShowState::Normal});
}

void EditSuiteFile(MainWindowState& state, const std::string& fileName) {
    StartMenuProgram(state, {"NOTEPAD.EXE " + SuiteFolder(state) + "\\" + fileName, "", ShowState::Normal});
}

void EditSignatureFile(MainWindowState& state) {
    std::string signature;
    if (auto key = state.registry->Open(RegRoot::LocalMachine, kScrivetKey)) {
        RegReadString(*key, "Signature", signature, kSignatureBuffer);
    }
    EditSuiteFile(state, signature);
}

void BuildProgramsMenu(MainWindowState& state) {
    HMENU popup = ProgramsPopup(state);
    for (const UserProgramItem& item : UserProgramItems(*state.registry)) {
        AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(IDM_USER_PROGRAM_FIRST + item.index),
                    Widen(item.name).c_str());
    }
}

void RemoveProgramsMenuItems(MainWindowState& state) {
    HMENU popup = ProgramsPopup(state);
    for (int id = IDM_USER_PROGRAM_FIRST; id <= IDM_USER_PROGRAM_LAST; ++id) {
        DeleteMenu(popup, static_cast<UINT>(id), MF_BYCOMMAND);
    }
}

void RunProgramCommand(MainWindowState& state, int commandId) {
    wchar_t title[kUserProgramTitleMax + 1] = {};
    GetMenuStringW(ProgramsPopup(state), static_cast<UINT>(commandId), title, kUserProgramTitleMax + 1,
                   MF_BYCOMMAND);
    // A title that no program has any more starts nothing.
    if (auto program = ReadUserProgram(*state.registry, Narrow(title))) {
        StartMenuProgram(state, UserProgramStart(*program));
    }
}

void ShowNotAvailableYet(MainWindowState& state, int commandId) {
    const std::wstring text = CommandLabel(state.menu, commandId) + L" is not available yet.";
    MessageBoxW(state.window, text.c_str(), L"Tarvon", MB_OK | MB_ICONINFORMATION);
}

}  // namespace tarvon
