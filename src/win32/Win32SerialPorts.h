#pragma once
// Serial ports through overlapped I/O: every read and write waits together
// with the port's close event and a time limit, so neither a silent device
// nor a close from another thread can leave a thread hanging in the driver.
#include "platform/SerialPort.h"

namespace tarvon {

class Win32SerialPorts final : public SerialPorts {
public:
    std::shared_ptr<SerialPort> Open(uint32_t number, const SerialOpenOptions& options) override;
};

}  // namespace tarvon
