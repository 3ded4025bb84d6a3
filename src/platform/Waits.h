#pragma once
// Every deliberate pause of the station goes through here, so that tests can
// script the waits and check their sequence without spending real time.
#include <cstdint>
#include <initializer_list>

#include "platform/Event.h"

namespace tarvon {

class Waits {
public:
    virtual ~Waits() = default;
    virtual void Sleep(uint32_t ms) = 0;
    // Index of the first set event, or kWaitTimeout after `timeoutMs`.
    virtual int WaitAny(std::initializer_list<Event*> events, uint32_t timeoutMs) = 0;
};

// Real waits on the real clock.
class RealWaits final : public Waits {
public:
    void Sleep(uint32_t ms) override;
    int WaitAny(std::initializer_list<Event*> events, uint32_t timeoutMs) override;
};

}  // namespace tarvon
