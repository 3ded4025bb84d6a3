#include "hardware/DaemonClient.h"

namespace tarvon {
namespace {

using std::chrono::milliseconds;

}  // namespace

const char* ExchangeResultText(ExchangeResult result) {
    switch (result) {
        case ExchangeResult::Answered: return "answered";
        case ExchangeResult::NoConnection: return "no connection";
        case ExchangeResult::TimedOut: return "no answer in time";
        case ExchangeResult::Closed: return "connection closed";
        case ExchangeResult::Garbage: return "not a daemon's answer";
    }
    return "";
}

DaemonClient::DaemonClient(NetConnector& connector, DaemonTimeouts timeouts, SteadyNow now)
    : connector_(connector), timeouts_(timeouts), now_(now ? std::move(now) : [] {
          return std::chrono::steady_clock::now();
      }) {}

void DaemonClient::Reset(const DaemonEndpoint& endpoint) {
    std::lock_guard<std::mutex> lock(mutex_);
    endpoint_ = endpoint;
    connection_.reset();
    quietUntil_ = {};
}

void DaemonClient::Disconnect() {
    std::lock_guard<std::mutex> lock(mutex_);
    connection_.reset();
}

bool DaemonClient::EnsureConnected() {
    if (connection_) return true;
    if (now_() < quietUntil_) return false;
    connection_ = connector_.Connect(endpoint_.host, endpoint_.port, timeouts_.connectMs);
    if (!connection_) quietUntil_ = now_() + milliseconds(timeouts_.retryAfterMs);
    return connection_ != nullptr;
}

ExchangeResult DaemonClient::Fail(ExchangeResult why) {
    // Whatever the daemon says later belongs to this command, not the next:
    // the connection goes, and the next exchange starts clean.
    connection_.reset();
    quietUntil_ = now_() + milliseconds(timeouts_.retryAfterMs);
    return why;
}

ExchangeResult DaemonClient::Exchange(const std::string& command, DaemonReply& reply) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!EnsureConnected()) return ExchangeResult::NoConnection;
    const auto deadline = now_() + milliseconds(timeouts_.exchangeMs);
    auto left = [&] {
        const auto ms = std::chrono::duration_cast<milliseconds>(deadline - now_()).count();
        return static_cast<uint32_t>(ms > 0 ? ms : 0);
    };
    NetStatus sent = connection_->Send(command, left());
    if (sent == NetStatus::Closed || sent == NetStatus::Failed) return Fail(ExchangeResult::Closed);
    if (sent == NetStatus::TimedOut) return Fail(ExchangeResult::TimedOut);

    ReplyReader reader;
    std::string bytes;
    for (;;) {
        const uint32_t wait = left();
        if (wait == 0) return Fail(ExchangeResult::TimedOut);
        bytes.clear();
        switch (connection_->Receive(bytes, wait)) {
            case NetStatus::Ok: break;
            case NetStatus::TimedOut: return Fail(ExchangeResult::TimedOut);
            case NetStatus::Closed:
            case NetStatus::Failed: return Fail(ExchangeResult::Closed);
        }
        switch (reader.Feed(bytes)) {
            case ReplyReader::State::Incomplete: continue;
            case ReplyReader::State::Garbage: return Fail(ExchangeResult::Garbage);
            case ReplyReader::State::Complete: reply = reader.Reply(); return ExchangeResult::Answered;
        }
    }
}

}  // namespace tarvon
