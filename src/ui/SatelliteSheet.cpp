#include "ui/SatelliteSheet.h"

#include <commctrl.h>
#include <prsht.h>

#include <iterator>

#include "ui/Help.h"
#include "ui/MainWindow.h"
#include "ui/SatellitePages.h"
#include "ui/UiBarrier.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

constexpr const wchar_t* kWizardTitle = L"Satellite Setup Wizard";

// What a page's PROPSHEETPAGE carries to its dialog procedure.
struct PageBinding {
    SatelliteSheet* sheet;
    const SatellitePage* page;
};

INT_PTR PageResult(HWND page, LONG_PTR result) {
    SetWindowLongPtrW(page, DWLP_MSGRESULT, result);
    return TRUE;
}

void ShowButtons(HWND page, const PageBinding& b) {
    if (!b.sheet->isNew) return;
    const WizardStep step = WizardStepFor(b.page->id, b.sheet->config);
    DWORD buttons = step.finish ? PSWIZB_FINISH : PSWIZB_NEXT;
    if (step.back) buttons |= PSWIZB_BACK;
    PropSheet_SetWizButtons(GetParent(page), buttons);
}

INT_PTR OnNotify(HWND page, const PageBinding& b, const NMHDR& header) {
    SatelliteSheet& sheet = *b.sheet;
    switch (header.code) {
    case PSN_SETACTIVE:
        b.page->show(page, sheet);
        ShowButtons(page, b);
        return PageResult(page, 0);
    // Next and Back go on to PSN_KILLACTIVE, where the page is kept.
    case PSN_KILLACTIVE: return PageResult(page, b.page->keep(page, sheet) ? TRUE : FALSE);
    case PSN_WIZFINISH:
        if (b.page->keep(page, sheet)) return PageResult(page, TRUE);
        sheet.config.accepted = 1;
        return PageResult(page, FALSE);
    case PSN_APPLY: sheet.config.accepted = 1; return PageResult(page, PSNRET_NOERROR);
    case PSN_HELP: ShowHelp(page, b.page->helpContext); return TRUE;
    default: return FALSE;
    }
}

INT_PTR CALLBACK SatellitePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* binding = reinterpret_cast<PageBinding*>(GetWindowLongPtrW(page, GWLP_USERDATA));
    try {
        if (message == WM_INITDIALOG) {
            binding = reinterpret_cast<PageBinding*>(reinterpret_cast<const PROPSHEETPAGEW*>(lParam)->lParam);
            SetWindowLongPtrW(page, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(binding));
            if (binding->page->init) binding->page->init(page);
            return TRUE;
        }
        if (!binding) return FALSE;
        switch (message) {
        case WM_COMMAND:
            if (binding->page->command) binding->page->command(page, *binding->sheet, wParam);
            return TRUE;
        case WM_NOTIFY: return OnNotify(page, *binding, *reinterpret_cast<const NMHDR*>(lParam));
        case WM_HELP: return AnswerHelpRequest(page, binding->page->helpContext, lParam);
        default: return FALSE;
        }
    } catch (...) {
        RecordCaughtInWindow(binding ? binding->page->name : "satellite setup page");
        return FALSE;
    }
}

}  // namespace

bool RunSatelliteSheet(MainWindowState& main, SatelliteConfig& config, bool isNew) {
    const SatellitePage* const kPages[] = {&GeneralPage(), &SchedulingPage(), &FrequenciesPage(), &TncPage(),
                                           &DirectoriesPage(), &VantPage(), &SatGatePage()};
    SatelliteSheet sheet{main, config, isNew};
    PageBinding bindings[std::size(kPages)];
    PROPSHEETPAGEW pages[std::size(kPages)] = {};
    for (size_t i = 0; i < std::size(kPages); ++i) {
        bindings[i] = {&sheet, kPages[i]};
        PROPSHEETPAGEW& p = pages[i];
        p.dwSize = sizeof p;
        // A wizard's title bar shows its page's title.
        p.dwFlags = PSP_HASHELP | (isNew ? PSP_USETITLE : 0);
        p.pszTitle = kWizardTitle;
        p.hInstance = main.instance;
        p.pszTemplate = MAKEINTRESOURCEW(kPages[i]->templateId);
        p.pfnDlgProc = SatellitePageProc;
        p.lParam = reinterpret_cast<LPARAM>(&bindings[i]);
    }
    const std::wstring title = isNew ? kWizardTitle : Widen(config.name);
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_HASHELP | (isNew ? PSH_WIZARD : 0);
    header.hwndParent = main.window;
    header.hInstance = main.instance;
    header.pszCaption = title.c_str();
    header.nPages = static_cast<UINT>(std::size(pages));
    header.ppsp = pages;
    config.accepted = 0;
    PropertySheetW(&header);
    return config.accepted == 1;
}

}  // namespace tarvon
