#include "platform/memory/ScriptedSerialPorts.h"

#include <chrono>

namespace tarvon {

class ScriptedSerialPorts::Port final : public SerialPort {
public:
    explicit Port(ScriptedSerialPorts& owner) : owner_(owner) {}

    bool Write(std::string_view bytes) override {
        std::unique_lock<std::mutex> lock(owner_.mutex_);
        if (closed_) return false;
        owner_.writes_.emplace_back(bytes);
        if (owner_.device_) {
            Device device = owner_.device_;
            lock.unlock();
            std::string answer = device(std::string(bytes));
            lock.lock();
            incoming_.insert(incoming_.end(), answer.begin(), answer.end());
        }
        owner_.changed_.notify_all();
        return true;
    }

    SerialRead ReadByte(uint8_t& byte, uint32_t timeoutMs) override {
        std::unique_lock<std::mutex> lock(owner_.mutex_);
        owner_.changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                 [this] { return closed_ || !incoming_.empty(); });
        if (closed_) return SerialRead::Closed;
        if (incoming_.empty()) return SerialRead::TimedOut;
        byte = static_cast<uint8_t>(incoming_.front());
        incoming_.pop_front();
        owner_.changed_.notify_all();
        return SerialRead::Byte;
    }

    void Purge() override {
        std::lock_guard<std::mutex> lock(owner_.mutex_);
        incoming_.clear();
        ++owner_.purges_;
    }

    void Close() override {
        std::lock_guard<std::mutex> lock(owner_.mutex_);
        if (closed_) return;
        closed_ = true;
        ++owner_.closes_;
        owner_.changed_.notify_all();
    }

    void Queue(const std::string& bytes) {
        incoming_.insert(incoming_.end(), bytes.begin(), bytes.end());
    }
    bool closed_ = false;

private:
    ScriptedSerialPorts& owner_;
    std::deque<char> incoming_;
};

std::shared_ptr<SerialPort> ScriptedSerialPorts::Open(uint32_t number, const SerialOpenOptions& options) {
    std::lock_guard<std::mutex> lock(mutex_);
    opens_.push_back({number, options});
    if (failOpens_) return nullptr;
    auto port = std::make_shared<Port>(*this);
    current_ = port;
    changed_.notify_all();
    return port;
}

void ScriptedSerialPorts::SetDevice(Device device) {
    std::lock_guard<std::mutex> lock(mutex_);
    device_ = std::move(device);
}

void ScriptedSerialPorts::FailOpens(bool fail) {
    std::lock_guard<std::mutex> lock(mutex_);
    failOpens_ = fail;
}

void ScriptedSerialPorts::Send(const std::string& bytes) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (std::shared_ptr<Port> port = current_.lock()) port->Queue(bytes);
    changed_.notify_all();
}

void ScriptedSerialPorts::Vanish() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (std::shared_ptr<Port> port = current_.lock()) port->closed_ = true;
    changed_.notify_all();
}

std::vector<SerialOpen> ScriptedSerialPorts::Opens() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return opens_;
}

std::vector<std::string> ScriptedSerialPorts::Writes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return writes_;
}

std::string ScriptedSerialPorts::Written() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::string all;
    for (const std::string& w : writes_) all += w;
    return all;
}

int ScriptedSerialPorts::Closes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return closes_;
}

int ScriptedSerialPorts::Purges() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return purges_;
}

bool ScriptedSerialPorts::AnyOpen() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::shared_ptr<Port> port = current_.lock();
    return port && !port->closed_;
}

bool ScriptedSerialPorts::WaitFor(const std::function<bool()>& done, uint32_t ms) const {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= until) return false;
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait_for(lock, std::chrono::milliseconds(20));
    }
    return true;
}

}  // namespace tarvon
