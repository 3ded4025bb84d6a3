#pragma once
// TCP connections to the station's network daemons. Every call is bounded by
// a time-out, so a peer that accepts and never answers cannot hold the caller.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace tarvon {

enum class NetStatus { Ok, TimedOut, Closed, Failed };

class NetConnection {
public:
    virtual ~NetConnection() = default;
    // Sends all of `bytes` within `timeoutMs`.
    virtual NetStatus Send(std::string_view bytes, uint32_t timeoutMs) = 0;
    // Waits up to `timeoutMs` for bytes and appends what arrived (at least
    // one byte on Ok). Closed when the peer has ended the connection.
    virtual NetStatus Receive(std::string& into, uint32_t timeoutMs) = 0;
};

class NetConnector {
public:
    virtual ~NetConnector() = default;
    // nullptr when no connection is made within `timeoutMs`.
    virtual std::unique_ptr<NetConnection> Connect(const std::string& host, uint16_t port,
                                                   uint32_t timeoutMs) = 0;
};

}  // namespace tarvon
