#pragma once
// What the tracking controller tells the user, word for word.
#include "hardware/RotatorProtocol.h"  // the serial rotators' texts, shared

namespace tarvon {

constexpr const char* kRotorDriverFailedText =
    "An error was encountered while trying to install the rotor driver.  The rotator will not be tracked.";
constexpr const char* kRadioErrorCaption = "Radio Error";
constexpr const char* kRadioDriverFailedText =
    "An error was encountered while trying to install the radio driver. The radio will not be tuned.";
constexpr const char* kRotorErrorCaption = "Rotor Error";
constexpr const char* kRotatorNotMovedText =
    "An error was encountered while trying to install the rotor driver. The rotator will not be moved.";

}  // namespace tarvon
