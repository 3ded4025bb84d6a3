#include "TcpPeer_helpers.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace tarvon {
namespace {

bool WaitFor(int socket, short events, uint32_t timeoutMs) {
    pollfd p{socket, events, 0};
    return poll(&p, 1, static_cast<int>(timeoutMs)) > 0;
}

class PosixConnection final : public NetConnection {
public:
    explicit PosixConnection(int socket) : socket_(socket) {}
    ~PosixConnection() override { close(socket_); }

    NetStatus Send(std::string_view bytes, uint32_t timeoutMs) override {
        while (!bytes.empty()) {
            if (!WaitFor(socket_, POLLOUT, timeoutMs)) return NetStatus::TimedOut;
            ssize_t n = send(socket_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (n <= 0) return NetStatus::Closed;
            bytes.remove_prefix(static_cast<size_t>(n));
        }
        return NetStatus::Ok;
    }

    NetStatus Receive(std::string& into, uint32_t timeoutMs) override {
        if (!WaitFor(socket_, POLLIN, timeoutMs)) return NetStatus::TimedOut;
        char buffer[512];
        ssize_t n = recv(socket_, buffer, sizeof buffer, 0);
        if (n <= 0) return NetStatus::Closed;
        into.append(buffer, static_cast<size_t>(n));
        return NetStatus::Ok;
    }

private:
    int socket_;
};

}  // namespace

std::unique_ptr<NetConnection> PosixConnector::Connect(const std::string& host, uint16_t port, uint32_t timeoutMs) {
    ++attempts;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return nullptr;
    int s = socket(AF_INET, SOCK_STREAM, 0);
    fcntl(s, F_SETFL, O_NONBLOCK);
    int rc = connect(s, found->ai_addr, found->ai_addrlen);
    freeaddrinfo(found);
    int error = 0;
    socklen_t size = sizeof error;
    if ((rc != 0 && errno != EINPROGRESS) || !WaitFor(s, POLLOUT, timeoutMs) ||
        getsockopt(s, SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) {
        close(s);
        return nullptr;
    }
    return std::make_unique<PosixConnection>(s);
}

TcpPeer::TcpPeer(std::function<PeerAction(const std::string&)> script) : script_(std::move(script)) {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t size = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    listen(listener_, 8);
    server_ = std::thread([this] { Serve(); });
}

TcpPeer::~TcpPeer() {
    stop_ = true;
    server_.join();
    for (std::thread& t : talks_) t.join();
    close(listener_);
}

std::vector<std::string> TcpPeer::Lines() {
    std::lock_guard<std::mutex> lock(mutex_);
    return lines_;
}

void TcpPeer::Serve() {
    while (!stop_) {
        if (!WaitFor(listener_, POLLIN, 20)) continue;
        int s = accept(listener_, nullptr, nullptr);
        if (s < 0) continue;
        ++accepted_;
        talks_.emplace_back([this, s] { Talk(s); });
    }
}

void TcpPeer::Talk(int s) {
    std::string line;
    while (!stop_) {
        if (!WaitFor(s, POLLIN, 20)) continue;
        char c;
        if (recv(s, &c, 1, 0) <= 0) break;
        if (c != '\n') {
            line += c;
            continue;
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            lines_.push_back(line);
        }
        PeerAction action = script_(line);
        line.clear();
        if (action.kind == PeerAction::Close) break;
        if (action.kind == PeerAction::Silent) continue;
        for (int waited = 0; waited < action.delayMs && !stop_; waited += 10) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        send(s, action.text.data(), action.text.size(), MSG_NOSIGNAL);
    }
    close(s);
}

}  // namespace tarvon
