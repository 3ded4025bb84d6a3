#pragma once
// Real TCP for the daemon client's tests: a connector over POSIX sockets and
// a peer in the same process that plays a daemon, well or badly.
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/Network.h"

namespace tarvon {

class PosixConnector final : public NetConnector {
public:
    std::unique_ptr<NetConnection> Connect(const std::string& host, uint16_t port, uint32_t timeoutMs) override;
};

// What the peer does with a command line: answer `text` after `delayMs`,
// stay silent, or close the connection.
struct PeerAction {
    enum Kind { Answer, Silent, Close } kind = Answer;
    std::string text;
    int delayMs = 0;
};

class TcpPeer {
public:
    explicit TcpPeer(std::function<PeerAction(const std::string& line)> script);
    ~TcpPeer();
    uint16_t Port() const { return port_; }
    std::vector<std::string> Lines();  // every command line received
    std::atomic<int> accepted{0};

private:
    void Talk(int socket);

    std::function<PeerAction(const std::string&)> script_;
    int listener_;
    uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::string> lines_;
    std::vector<std::thread> talks_;
    std::thread server_;
};

}  // namespace tarvon
