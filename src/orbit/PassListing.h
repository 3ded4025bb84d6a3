#pragma once
// All passes of one satellite from a start time up to a horizon, found the
// way the schedule finds them: search state -1 from the start, steps until a
// pass, times as whole Unix seconds, maximum elevation in whole degrees.
#include <cstdint>
#include <functional>

#include "orbit/PassSearch.h"
#include "orbit/SatState.h"

namespace tarvon {

struct FoundPass {
    int32_t aos = 0;
    int32_t los = 0;
    int32_t maxElevationDeg = 0;  // truncated
    int32_t overhead = 0;
};

FoundPass FoundPassOf(const SatState& s);

// Calls `onPass` for every pass whose AOS is at most `horizon` (Unix time);
// stops at the first pass beyond it or when the search gives up. Returns the
// number of evaluations made.
int64_t ListPasses(SatState& s, ObserverGeo& o, int32_t start, int32_t horizon, const PassSearchSettings& settings,
                   const std::function<void(const FoundPass&)>& onPass);

}  // namespace tarvon
