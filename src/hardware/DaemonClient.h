#pragma once
// One daemon (rotctld or rigctld) as the driver library talks to it: one
// command, one answer, each within a short time-out. A connection that times
// out, closes or talks nonsense is dropped, and the next exchange connects
// again; after a failed attempt the daemon is left alone for a while, so a
// dead daemon costs a tracking step nothing but a refusal.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "hardware/HamlibProtocol.h"
#include "platform/Network.h"

namespace tarvon {

struct DaemonEndpoint {
    std::string host;
    uint16_t port = 0;
};

struct DaemonTimeouts {
    uint32_t connectMs = 1000;
    uint32_t exchangeMs = 1000;  // from the command sent to the RPRT line received
    uint32_t retryAfterMs = 10000;
};

enum class ExchangeResult { Answered, NoConnection, TimedOut, Closed, Garbage };

const char* ExchangeResultText(ExchangeResult result);

class DaemonClient {
public:
    using SteadyNow = std::function<std::chrono::steady_clock::time_point()>;

    DaemonClient(NetConnector& connector, DaemonTimeouts timeouts = {}, SteadyNow now = nullptr);

    // Forgets any connection and the retry pause, and talks to `endpoint` from now on.
    void Reset(const DaemonEndpoint& endpoint);
    void Disconnect();

    // Sends one command and collects its answer. Safe from several threads:
    // exchanges take turns.
    ExchangeResult Exchange(const std::string& command, DaemonReply& reply);

private:
    bool EnsureConnected();
    ExchangeResult Fail(ExchangeResult why);

    NetConnector& connector_;
    const DaemonTimeouts timeouts_;
    SteadyNow now_;
    std::mutex mutex_;
    DaemonEndpoint endpoint_;
    std::unique_ptr<NetConnection> connection_;
    std::chrono::steady_clock::time_point quietUntil_{};
};

}  // namespace tarvon
