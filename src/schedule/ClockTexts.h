#pragma once
// The texts the clock thread shows: the clock, date and next-pass boxes, the
// minimised title and the countdown of a tracking-pane line.
#include <cstdint>
#include <string>

namespace tarvon {

// "%H:%M:%S UTC", or "%H:%M:%S LOC" of the local time when displayTime is 0.
std::string ClockBoxText(int32_t now, uint32_t displayTime, int32_t biasSeconds);
// "%d %b %Y" of the shown date.
std::string DateBoxText(int32_t now, uint32_t displayTime, int32_t biasSeconds);
// The time left as "%H:%M:%S " followed by "AOS" or "LOS".
std::string NextPassBoxText(int32_t countdownTime, int32_t now, bool isAos);
// "Tarvon %H:%M:%S" of the time left.
std::string MinimisedTitle(int32_t countdownTime, int32_t now);
// "%02d:%02d:%02d"; the hours include whole days for one to three days of
// countdown, and only the hours of the day from four days on.
std::string TrackingCountdownText(int32_t secondsLeft);

struct TrackingLineValues {
    std::string name;
    double azimuthDegrees = 0.0;
    double elevationDegrees = 0.0;
    double rangeKm = 0.0;
    std::string dopplerText;  // "% 6.0f" of the Doppler, or empty
    double phase = 0.0;       // MA, 0..255
    std::string countdownText;
    std::string modeText;
};
std::string TrackingLineText(const TrackingLineValues& v);

}  // namespace tarvon
