#include "platform/memory/ScriptedWaits.h"

#include <stdexcept>

#include "platform/memory/FakeClock.h"

namespace tarvon {

void ScriptedWaits::Sleep(uint32_t ms) {
    WaitCall call{WaitCall::Kind::Sleep, ms, {}, kWaitTimeout};
    std::function<void(const WaitCall&)> hook;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        hook = hook_;
    }
    if (hook) hook(call);
    if (clock_) clock_->Advance(ms);
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.push_back(std::move(call));
}

int ScriptedWaits::WaitAny(std::initializer_list<Event*> events, uint32_t timeoutMs) {
    WaitCall call{WaitCall::Kind::WaitAny, timeoutMs, std::vector<Event*>(events), kWaitTimeout};
    std::function<void(const WaitCall&)> hook;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        hook = hook_;
    }
    if (hook) hook(call);

    WaitAnswer answer;
    bool scripted = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!script_.empty()) {
            answer = script_.front();
            script_.pop_front();
            scripted = true;
        }
    }
    if (scripted) {
        if (answer.index != kWaitTimeout) {
            if (answer.index < 0 || static_cast<size_t>(answer.index) >= call.events.size())
                throw std::logic_error("scripted wait answer names an event that is not waited on");
            call.events[answer.index]->Set();
        } else {
            answer.elapsedMs = timeoutMs;
        }
    } else {
        answer.index = kWaitTimeout;
        for (size_t i = 0; i < call.events.size(); ++i) {
            if (call.events[i]->IsSet()) {
                answer.index = static_cast<int>(i);
                break;
            }
        }
        if (answer.index == kWaitTimeout) {
            if (timeoutMs == kWaitForever)
                throw std::logic_error("endless wait with no event set and no scripted answer");
            answer.elapsedMs = timeoutMs;
        }
    }
    if (clock_ && answer.elapsedMs != kWaitForever) clock_->Advance(answer.elapsedMs);
    call.result = answer.index;
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.push_back(std::move(call));
    return answer.index;
}

void ScriptedWaits::Script(WaitAnswer answer) {
    std::lock_guard<std::mutex> lock(mutex_);
    script_.push_back(answer);
}

void ScriptedWaits::OnWait(std::function<void(const WaitCall&)> hook) {
    std::lock_guard<std::mutex> lock(mutex_);
    hook_ = std::move(hook);
}

std::vector<WaitCall> ScriptedWaits::Calls() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
}

std::vector<uint32_t> ScriptedWaits::Durations() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<uint32_t> durations;
    for (const WaitCall& call : calls_) durations.push_back(call.ms);
    return durations;
}

}  // namespace tarvon
