// The Transverters page: the transverters listed, one shown for editing,
// New and Delete. Every change reaches the registry only at OK.
#include <windows.h>
#include <prsht.h>


#include "core/PublicIds.h"
#include "ui/DialogFields.h"
#include "ui/MainWindow.h"
#include "ui/StationSetupIds.h"
#include "ui/StationSetupPages.h"

namespace tarvon {
namespace {

constexpr int kFieldIds[] = {IDC_TRV_NAME, IDC_TRV_PROGRAM, IDC_TRV_START,
                             IDC_TRV_FINISH, IDC_TRV_TX_OFFSET, IDC_TRV_RX_OFFSET};

void ShowFields(HWND page, const TransverterFields& f) {
    SetControlText(page, IDC_TRV_NAME, f.name);
    SetControlText(page, IDC_TRV_PROGRAM, f.program);
    SetControlText(page, IDC_TRV_START, f.start);
    SetControlText(page, IDC_TRV_FINISH, f.finish);
    SetControlText(page, IDC_TRV_TX_OFFSET, f.txOffset);
    SetControlText(page, IDC_TRV_RX_OFFSET, f.rxOffset);
    SetChecked(page, IDC_TRV_TX, f.tx);
    SetChecked(page, IDC_TRV_RX, f.rx);
}

TransverterFields ReadFields(HWND page) {
    TransverterFields f;
    f.name = ControlText(page, IDC_TRV_NAME);
    f.program = ControlText(page, IDC_TRV_PROGRAM);
    f.start = ControlText(page, IDC_TRV_START);
    f.finish = ControlText(page, IDC_TRV_FINISH);
    f.txOffset = ControlText(page, IDC_TRV_TX_OFFSET);
    f.rxOffset = ControlText(page, IDC_TRV_RX_OFFSET);
    f.tx = IsChecked(page, IDC_TRV_TX);
    f.rx = IsChecked(page, IDC_TRV_RX);
    return f;
}

std::string SelectedName(HWND page, LRESULT& index) {
    index = SendDlgItemMessageW(page, IDC_TRV_LIST, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return {};
    return ListText(page, IDC_TRV_LIST, index);
}

void OnInit(HWND page, StationSetup& setup) {
    LimitText(page, IDC_TRV_NAME, transverter_limits::kName);
    LimitText(page, IDC_TRV_PROGRAM, transverter_limits::kProgram);
    for (int id : {IDC_TRV_START, IDC_TRV_FINISH, IDC_TRV_TX_OFFSET, IDC_TRV_RX_OFFSET}) {
        LimitText(page, id, transverter_limits::kFrequency);
    }
    for (const std::string& name : TransverterNames(*setup.main.registry)) {
        AddListText(page, IDC_TRV_LIST, name);
    }
    ShowFields(page, NewTransverterFields());
}

void OnSelect(HWND page, StationSetup& setup) {
    LRESULT index;
    const std::string name = SelectedName(page, index);
    if (name.empty()) return;
    ShowFields(page, LoadTransverterFields(*setup.main.registry, name));
    EnableWindow(GetDlgItem(page, IDC_TRV_DELETE), TRUE);
}

void OnNew(HWND page) {
    SendDlgItemMessageW(page, IDC_TRV_LIST, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    ShowFields(page, NewTransverterFields());
    EnableWindow(GetDlgItem(page, IDC_TRV_DELETE), FALSE);
    SetFocus(GetDlgItem(page, IDC_TRV_NAME));
}

// The transverter leaves the list now and the registry at OK; Cancel keeps it.
void OnDelete(HWND page, StationSetup& setup) {
    LRESULT index;
    const std::string name = SelectedName(page, index);
    if (name.empty()) return;
    setup.deletedTransverters.push_back(name);
    SendDlgItemMessageW(page, IDC_TRV_LIST, LB_DELETESTRING, index, 0);
    OnNew(page);
}

// Fields nobody filled in leave the transverters as they are.
bool Refused(HWND page, StationSetup& setup) {
    const TransverterFields f = ReadFields(page);
    if (f == NewTransverterFields()) {
        setup.transverter.reset();
        return false;
    }
    TransverterRecord record;
    if (auto problem = TransverterFromFields(f, record)) {
        RefuseField(page, kFieldIds[problem->field], problem->message, L"Tarvon");
        return true;
    }
    setup.transverter = record;
    return false;
}

void OnCommand(HWND page, StationSetup& setup, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDC_TRV_LIST:
        if (HIWORD(wParam) == LBN_SELCHANGE) OnSelect(page, setup);
        return;
    case IDC_TRV_NEW: return OnNew(page);
    case IDC_TRV_DELETE: return OnDelete(page, setup);
    default: return;
    }
}

}  // namespace

INT_PTR CALLBACK TransvertersPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr StationPage kKind{IDH_TRANSVERTERS, "station transverters page", OnInit, Refused, OnCommand};
    return StationPageMessage(kKind, page, message, wParam, lParam);
}

}  // namespace tarvon
