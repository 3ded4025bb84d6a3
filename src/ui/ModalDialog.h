#pragma once
// The one shape every maintenance dialog has: its state travels in lParam to
// WM_INITDIALOG and lives in GWLP_USERDATA; commands and notifications go to
// the dialog's own handlers; its Help button and F1 open its help page; no
// exception leaves the dialog procedure.
#include <windows.h>

#include "ui/Help.h"
#include "ui/UiBarrier.h"

namespace tarvon {

template <typename State>
struct DialogHandlers {
    const char* place;  // the dialog's name in the station log
    void (*init)(HWND dialog, State& state) = nullptr;
    void (*command)(HWND dialog, State& state, WPARAM wParam) = nullptr;
    void (*notify)(HWND dialog, State& state, NMHDR* notify) = nullptr;
    int helpButton = 0;
    unsigned (*helpContext)(const State& state) = nullptr;  // the page for what the dialog shows now
    // A dialog with an `ok` answers OK with it (it ends the dialog when it is
    // done) and Cancel (or Close) by ending without writing anything.
    void (*ok)(HWND dialog, State& state) = nullptr;
};

// The help page of a dialog whose page does not depend on what it shows.
template <typename State, unsigned Context>
unsigned FixedHelp(const State&) {
    return Context;
}

namespace detail {

template <typename State>
struct DialogBinding {
    State& state;
    const DialogHandlers<State>& handlers;
};

template <typename State>
INT_PTR CALLBACK BoundDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(dialog, GWLP_USERDATA, lParam);
            auto& binding = *reinterpret_cast<DialogBinding<State>*>(lParam);
            if (binding.handlers.init) binding.handlers.init(dialog, binding.state);
            return TRUE;
        }
        // Controls may notify before WM_INITDIALOG has bound the state.
        auto* binding = reinterpret_cast<DialogBinding<State>*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
        if (!binding) return FALSE;
        const DialogHandlers<State>& handlers = binding->handlers;
        if (message == WM_HELP && handlers.helpContext) {
            return AnswerHelpRequest(dialog, handlers.helpContext(binding->state), lParam);
        }
        if (message == WM_COMMAND && LOWORD(wParam) == handlers.helpButton && handlers.helpContext) {
            ShowHelp(dialog, handlers.helpContext(binding->state));
            return TRUE;
        }
        if (message == WM_COMMAND && handlers.ok && HIWORD(wParam) == BN_CLICKED &&
            (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
            if (LOWORD(wParam) == IDOK) {
                handlers.ok(dialog, binding->state);
            } else {
                EndDialog(dialog, IDCANCEL);
            }
            return TRUE;
        }
        if (message == WM_COMMAND && handlers.command) {
            handlers.command(dialog, binding->state, wParam);
            return TRUE;
        }
        if (message == WM_NOTIFY && handlers.notify) {
            handlers.notify(dialog, binding->state, reinterpret_cast<NMHDR*>(lParam));
            return TRUE;
        }
    } catch (...) {
        // The dialog stays open and the station goes on; the log tells.
        auto* binding = reinterpret_cast<DialogBinding<State>*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
        RecordCaughtInWindow(binding ? binding->handlers.place : "dialog");
    }
    return FALSE;
}

}  // namespace detail

// Runs the dialog of template `templateId` owned by `owner` until it ends.
template <typename State>
INT_PTR RunModalDialog(HWND owner, int templateId, State& state, const DialogHandlers<State>& handlers) {
    detail::DialogBinding<State> binding{state, handlers};
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId), owner, detail::BoundDialogProc<State>,
                           reinterpret_cast<LPARAM>(&binding));
}

}  // namespace tarvon
