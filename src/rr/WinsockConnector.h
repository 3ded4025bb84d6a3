#pragma once
// TCP over Winsock for the driver library, every call bounded by select().
#include "platform/Network.h"

namespace tarvon {

class WinsockConnector final : public NetConnector {
public:
    WinsockConnector();
    ~WinsockConnector() override;
    std::unique_ptr<NetConnection> Connect(const std::string& host, uint16_t port, uint32_t timeoutMs) override;

private:
    bool started_ = false;
};

}  // namespace tarvon
