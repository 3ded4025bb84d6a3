#include "hardware/DaemonEndpoints.h"

#include <charconv>
#include <memory>

#include "core/RegistryKeys.h"

namespace tarvon {
namespace {

// A host name is at most 253 characters; the buffer holds that and its NUL.
constexpr uint32_t kHostBuffer = 256;

struct EndpointValues {
    const char* host;
    const char* port;
    DaemonEndpoint DaemonEndpoints::*member;
};

const EndpointValues kValues[] = {
    {"Rotctld Host", "Rotctld Port", &DaemonEndpoints::rotator},
    {"Rigctld Host", "Rigctld Port", &DaemonEndpoints::radio},
};

}  // namespace

DaemonEndpoints LoadDaemonEndpoints(Registry& registry) {
    DaemonEndpoints endpoints;
    std::unique_ptr<RegKey> key = registry.Open(RegRoot::LocalMachine, kRotatorKeyPath);
    if (!key) return endpoints;
    for (const EndpointValues& v : kValues) {
        DaemonEndpoint& endpoint = endpoints.*v.member;
        std::string host;
        if (RegReadString(*key, v.host, host, kHostBuffer) && !host.empty()) endpoint.host = host;
        uint32_t port = 0;
        if (RegReadDword(*key, v.port, port) && port > 0 && port <= 65535) {
            endpoint.port = static_cast<uint16_t>(port);
        }
    }
    return endpoints;
}

bool SaveDaemonEndpoints(Registry& registry, const DaemonEndpoints& endpoints) {
    std::unique_ptr<RegKey> key = registry.Create(RegRoot::LocalMachine, kRotatorKeyPath);
    if (!key) return false;
    bool ok = true;
    for (const EndpointValues& v : kValues) {
        const DaemonEndpoint& endpoint = endpoints.*v.member;
        ok = RegWriteString(*key, v.host, endpoint.host) && ok;
        ok = RegWriteDword(*key, v.port, endpoint.port) && ok;
    }
    return ok;
}

std::string ParseDaemonEndpoint(const std::string& host, const std::string& port, DaemonEndpoint& out) {
    if (host.empty() || host.size() >= kHostBuffer || host.find_first_of(" \t") != std::string::npos) {
        return "Enter the name or address of the computer the daemon runs on.";
    }
    unsigned value = 0;
    auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
    if (port.empty() || error != std::errc() || end != port.data() + port.size() || value == 0 ||
        value > 65535) {
        return "The TCP port must be a number from 1 to 65535.";
    }
    out.host = host;
    out.port = static_cast<uint16_t>(value);
    return {};
}

}  // namespace tarvon
