#pragma once
// "Run Pass": a manual pass of a satellite chosen from the registry; and the
// satellite list it shares with "Add Pass".
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "schedule/ScheduleState.h"

namespace tarvon {

// A list of names titled `title`, sorted; the chosen name, or nothing on
// Cancel.
std::optional<std::string> ChooseFromList(HWND owner, const std::vector<std::string>& names, const wchar_t* title,
                                          DWORD helpContext);

// The satellites of the registry to choose from.
std::optional<std::string> ChooseSatellite(HWND owner, ScheduleState& schedule, const wchar_t* title,
                                           DWORD helpContext);

// The Run Pass command of the Tracking menu.
void RunPassDialog(HWND owner, ScheduleState& schedule);

}  // namespace tarvon
