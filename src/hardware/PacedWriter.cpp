#include "hardware/PacedWriter.h"

#include "platform/SerialPort.h"
#include "platform/Waits.h"

namespace tarvon {

void WritePaced(SerialPort& port, Waits& waits, uint32_t pacingMs, std::string_view bytes) {
    if (bytes.empty()) return;
    if (pacingMs == 0) {
        port.Write(bytes);
        return;
    }
    for (size_t i = 0; i < bytes.size(); ++i) {
        port.Write(bytes.substr(i, 1));
        waits.Sleep(pacingMs);
    }
}

}  // namespace tarvon
