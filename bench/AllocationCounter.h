#pragma once
// Counts heap allocations of the whole program, so a benchmark can show
// that its inner loop makes none.
#include <cstdint>

namespace tarvon::bench {

int64_t HeapAllocations();

}  // namespace tarvon::bench
