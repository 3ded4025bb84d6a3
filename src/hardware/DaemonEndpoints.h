#pragma once
// Where the rotator and radio daemons listen: our own values beside the
// rotator settings, edited in the driver library's set-up dialog.
#include <string>

#include "hardware/DaemonClient.h"
#include "platform/Registry.h"

namespace tarvon {

struct DaemonEndpoints {
    DaemonEndpoint rotator{"localhost", 4533};
    DaemonEndpoint radio{"localhost", 4532};
};

// Missing or unusable values (no host, port 0 or beyond 65535) read as the defaults.
DaemonEndpoints LoadDaemonEndpoints(Registry& registry);
bool SaveDaemonEndpoints(Registry& registry, const DaemonEndpoints& endpoints);

// The endpoint typed into the dialog, or the message that says what is wrong.
std::string ParseDaemonEndpoint(const std::string& host, const std::string& port, DaemonEndpoint& out);

}  // namespace tarvon
