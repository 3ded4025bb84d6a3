#include "platform/Waits.h"

#include <chrono>
#include <thread>

namespace tarvon {

void RealWaits::Sleep(uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

int RealWaits::WaitAny(std::initializer_list<Event*> events, uint32_t timeoutMs) {
    return WaitAnyEvent(events, timeoutMs);
}

}  // namespace tarvon
