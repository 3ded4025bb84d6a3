#include "rr/WinsockConnector.h"

#include <winsock2.h>
#include <ws2tcpip.h>

namespace tarvon {
namespace {

timeval TimevalOf(uint32_t ms) {
    return timeval{static_cast<long>(ms / 1000), static_cast<long>(ms % 1000 * 1000)};
}

// True when the socket is ready for writing (or reading) within `ms`.
bool WaitFor(SOCKET s, bool write, uint32_t ms) {
    fd_set ready, failed;
    FD_ZERO(&ready);
    FD_ZERO(&failed);
    FD_SET(s, &ready);
    FD_SET(s, &failed);
    timeval limit = TimevalOf(ms);
    const int n = select(0, write ? nullptr : &ready, write ? &ready : nullptr, &failed, &limit);
    return n > 0 && FD_ISSET(s, &ready);
}

class WinsockConnection final : public NetConnection {
public:
    explicit WinsockConnection(SOCKET s) : socket_(s) {}
    ~WinsockConnection() override { closesocket(socket_); }

    NetStatus Send(std::string_view bytes, uint32_t timeoutMs) override {
        while (!bytes.empty()) {
            if (!WaitFor(socket_, true, timeoutMs)) return NetStatus::TimedOut;
            const int n = send(socket_, bytes.data(), static_cast<int>(bytes.size()), 0);
            if (n <= 0) return NetStatus::Closed;
            bytes.remove_prefix(static_cast<size_t>(n));
        }
        return NetStatus::Ok;
    }

    NetStatus Receive(std::string& into, uint32_t timeoutMs) override {
        if (!WaitFor(socket_, false, timeoutMs)) return NetStatus::TimedOut;
        char buffer[512];
        const int n = recv(socket_, buffer, sizeof buffer, 0);
        if (n <= 0) return NetStatus::Closed;
        into.append(buffer, static_cast<size_t>(n));
        return NetStatus::Ok;
    }

private:
    SOCKET socket_;
};

}  // namespace

WinsockConnector::WinsockConnector() {
    WSADATA data;
    started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

WinsockConnector::~WinsockConnector() {
    if (started_) WSACleanup();
}

std::unique_ptr<NetConnection> WinsockConnector::Connect(const std::string& host, uint16_t port,
                                                         uint32_t timeoutMs) {
    if (!started_) return nullptr;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0 || !found) return nullptr;
    SOCKET s = socket(found->ai_family, found->ai_socktype, found->ai_protocol);
    if (s == INVALID_SOCKET) {
        freeaddrinfo(found);
        return nullptr;
    }
    u_long nonBlocking = 1;
    ioctlsocket(s, FIONBIO, &nonBlocking);
    const int rc = connect(s, found->ai_addr, static_cast<int>(found->ai_addrlen));
    freeaddrinfo(found);
    int error = 0;
    int size = sizeof error;
    const bool pending = rc != 0 && WSAGetLastError() == WSAEWOULDBLOCK;
    if ((rc != 0 && !pending) || !WaitFor(s, true, timeoutMs) ||
        getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) != 0 || error != 0) {
        closesocket(s);
        return nullptr;
    }
    // Commands are one short line each: send them at once.
    BOOL noDelay = TRUE;
    setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&noDelay), sizeof noDelay);
    return std::make_unique<WinsockConnection>(s);
}

}  // namespace tarvon
