#pragma once
// The satellite property sheet: seven pages over one SatelliteConfig, run as
// the "Satellite Setup Wizard" for a new satellite. Each page is described by
// a SatellitePage (ui/SatellitePages.h); one dialog procedure serves them all.
#include <windows.h>

#include "core/SatelliteConfig.h"
#include "core/SatelliteWizard.h"

namespace tarvon {

struct MainWindowState;

// What every page works on while the sheet is open.
struct SatelliteSheet {
    MainWindowState& main;
    SatelliteConfig& config;  // pages store their controls into it when they are left
    bool isNew;               // runs as the "Satellite Setup Wizard"
};

struct SatellitePage {
    SatellitePageId id;
    int templateId;          // its dialog template
    unsigned helpContext;    // IDH_... of core/PublicIds.h
    const char* name;        // for the station log, should a handler throw
    // Fills every control from the record; called on every activation, so a
    // page shows what earlier pages changed.
    void (*show)(HWND page, const SatelliteSheet& sheet);
    // On leaving (another page, OK, Next, Finish): reads the controls, checks
    // them and stores them into the record. On a problem it shows the
    // message, puts the focus on the field and returns true: the page stays.
    bool (*keep)(HWND page, SatelliteSheet& sheet);
    void (*command)(HWND page, SatelliteSheet& sheet, WPARAM wParam);  // may be nullptr
    void (*init)(HWND page);  // once: fixed lists, text limits; may be nullptr
};

// Shows the sheet over `config` (titled with its name, or as the wizard when
// `isNew`). True when the user pressed OK or Finish: `config.accepted` is 1
// and the record holds every page's values; the caller saves it.
bool RunSatelliteSheet(MainWindowState& main, SatelliteConfig& config, bool isNew);

// The caption of the pages' own messages.
constexpr const wchar_t* kSatelliteSetupCaption = L"Satellite Setup";

}  // namespace tarvon
