#include "TcpPeer_helpers.h"

#include <arpa/inet.h>
#include <fcntl.h>
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
        if (!WaitFor(socket_, POLLOUT, timeoutMs)) return NetStatus::TimedOut;
        return send(socket_, bytes.data(), bytes.size(), MSG_NOSIGNAL) == ssize_t(bytes.size()) ? NetStatus::Ok
                                                                                               : NetStatus::Closed;
    }
    NetStatus Receive(std::string& into, uint32_t timeoutMs) override {
        if (!WaitFor(socket_, POLLIN, timeoutMs)) return NetStatus::TimedOut;
        char buffer[512];
        const ssize_t n = recv(socket_, buffer, sizeof buffer, 0);
        if (n <= 0) return NetStatus::Closed;
        into.append(buffer, size_t(n));
        return NetStatus::Ok;
    }

private:
    int socket_;
};

}  // namespace

// The tests name the peer by address, so no name lookup is needed.
std::unique_ptr<NetConnection> PosixConnector::Connect(const std::string& host, uint16_t port, uint32_t timeoutMs) {
    sockaddr_in address{AF_INET, htons(port), {}, {}};
    inet_pton(AF_INET, host.c_str(), &address.sin_addr);
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    fcntl(s, F_SETFL, O_NONBLOCK);
    int error = 0;
    socklen_t size = sizeof error;
    const int rc = connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    if ((rc != 0 && errno != EINPROGRESS) || !WaitFor(s, POLLOUT, timeoutMs) ||
        getsockopt(s, SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) {
        close(s);
        return nullptr;
    }
    return std::make_unique<PosixConnection>(s);
}

TcpPeer::TcpPeer(std::function<PeerAction(const std::string&)> script)
    : script_(std::move(script)), listener_(socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
    socklen_t size = sizeof address;
    bind(listener_, reinterpret_cast<sockaddr*>(&address), size);
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    listen(listener_, 8);
    server_ = std::thread([this] {
        while (!stop_) {
            if (!WaitFor(listener_, POLLIN, 20)) continue;
            const int s = accept(listener_, nullptr, nullptr);
            ++accepted;
            talks_.emplace_back([this, s] { Talk(s); });
        }
    });
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

void TcpPeer::Talk(int s) {
    std::string line;
    char c;
    while (!stop_) {
        if (!WaitFor(s, POLLIN, 20)) continue;
        if (recv(s, &c, 1, 0) <= 0) break;
        if (c != '\n') {
            line += c;
            continue;
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            lines_.push_back(line);
        }
        const PeerAction action = script_(line);
        line.clear();
        if (action.kind == PeerAction::Close) break;
        if (action.kind == PeerAction::Silent) continue;
        std::this_thread::sleep_for(std::chrono::milliseconds(action.delayMs));
        send(s, action.text.data(), action.text.size(), MSG_NOSIGNAL);
    }
    close(s);
}

}  // namespace tarvon
