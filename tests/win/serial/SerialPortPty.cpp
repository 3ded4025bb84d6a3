// The Win32 serial port against a real pseudo-terminal: serial_pty.sh maps
// COM<TARVON_TEST_COM> to one end of a socat pair whose other end is the
// device emulator echoing, and COM<TARVON_TEST_COM + 1> to one whose device
// goes away after the first command.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "win32/Win32SerialPorts.h"

namespace tarvon {
namespace {

uint32_t TestPort(uint32_t offset = 0) {
    const char* text = std::getenv("TARVON_TEST_COM");
    return (text ? static_cast<uint32_t>(std::atoi(text)) : 0) + offset;
}

long long MillisSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

std::string ReadUpTo(SerialPort& port, size_t count, uint32_t timeoutMs) {
    std::string read;
    uint8_t byte = 0;
    while (read.size() < count && port.ReadByte(byte, timeoutMs) == SerialRead::Byte) read += char(byte);
    return read;
}

// Bytes of every value go through; a read then ends at its limit, and at once
// when the port is closed under it.
TEST(Win32SerialPort, EchoesThenReadsEndAtTheirLimitAndAtAClose) {
    Win32SerialPorts ports;
    std::shared_ptr<SerialPort> port = ports.Open(TestPort(), {9600, true});
    ASSERT_TRUE(port);
    const std::string bytes("AZ123.4 EL5.0\n\x00\xff\x03", 17);
    ASSERT_TRUE(port->Write(bytes));
    EXPECT_EQ(ReadUpTo(*port, bytes.size(), 3000), bytes);
    uint8_t byte = 0;
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(port->ReadByte(byte, 300), SerialRead::TimedOut);
    EXPECT_GE(MillisSince(start), 250);
    EXPECT_LT(MillisSince(start), 2000);

    std::thread closer([port] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        port->Close();
    });
    start = std::chrono::steady_clock::now();
    EXPECT_EQ(port->ReadByte(byte, 30000), SerialRead::Closed);
    EXPECT_LT(MillisSince(start), 3000);
    closer.join();
    EXPECT_FALSE(port->Write("x"));
    port.reset();
    EXPECT_NE(ports.Open(TestPort(), {19200, false}), nullptr);  // free again once released
}

TEST(Win32SerialPort, ADeviceThatGoesAwayEndsTheRead) {
    Win32SerialPorts ports;
    std::shared_ptr<SerialPort> port = ports.Open(TestPort(1), {9600, true});
    ASSERT_TRUE(port);
    ASSERT_TRUE(port->Write("Q\n"));
    uint8_t byte = 0;
    const auto start = std::chrono::steady_clock::now();
    SerialRead read = SerialRead::TimedOut;
    while (read == SerialRead::TimedOut && MillisSince(start) < 10000) read = port->ReadByte(byte, 500);
    EXPECT_EQ(read, SerialRead::Closed);
}

}  // namespace
}  // namespace tarvon
