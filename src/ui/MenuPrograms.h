#pragma once
// The programs the main menu starts: the companion programs of the suite,
// Notepad on the suite's text files, and the user's programs of the
// Programs menu (items 500 and up), with that menu's items built from the
// registry. A program that cannot be started is said so, never passed over.
#include <string>

#include "platform/Processes.h"
#include "ui/MainWindow.h"

namespace tarvon {

// Starts the program, or tells the user it could not be.
void StartMenuProgram(MainWindowState& state, const ProcessStart& start);

// "%s\SCRIVET.EXE" and the like, with the suite directory.
void RunSuiteProgram(MainWindowState& state, const char* programFile);
// "NOTEPAD.EXE %s\%s" on a file of the suite directory.
void EditSuiteFile(MainWindowState& state, const std::string& fileName);
// Notepad on the signature file named by Scrivet's settings.
void EditSignatureFile(MainWindowState& state);

// The user's programs as items 500 + i of the Programs menu.
void BuildProgramsMenu(MainWindowState& state);
void RemoveProgramsMenuItems(MainWindowState& state);
// Starts the program of a Programs menu item, found by the item's title.
void RunProgramCommand(MainWindowState& state, int commandId);

// Until a command's dialog is part of the station, its menu item says so.
void ShowNotAvailableYet(MainWindowState& state, int commandId);

}  // namespace tarvon
