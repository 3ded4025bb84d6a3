#pragma once
// The pass runner's own words and the messages of the satellite-program
// protocol, in one place.

namespace tarvon {

constexpr const char* kErrorRunningProgramText =
    "Error running program.  Tarvon was unable to find the program associated with this "
    "satellite, or there was an error while running it.";
constexpr const char* kErrorRunningProgramCaption = "Tarvon";

constexpr const char* kNoProgramWindowText =
    "Error running satellite program.  This may result in Tarvon not being able to close the "
    "program at the end of the pass.  The Rotator will now be stopped.  If you want to start it "
    "again you should use the Enable Rotator menu option.";
constexpr const char* kNoProgramWindowCaption = "Tarvon Error";

// A companion program shows a main window of this class titled "VANT [<name>]".
constexpr const char* kCompanionWindowClass = "VANT:MAIN";

}  // namespace tarvon
