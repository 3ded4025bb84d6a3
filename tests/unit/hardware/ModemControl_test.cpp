#include "hardware/ModemControl.h"

#include <gtest/gtest.h>

#include "Hardware_helpers.h"
#include "hardware/RotatorProtocol.h"
#include "platform/Event.h"
#include "platform/memory/MemoryRegistry.h"

namespace tarvon {
namespace {

class ModemControlTest : public ::testing::Test {
protected:
    // The satellite's modem values; a null mode leaves "DSP Mode" out.
    void Satellite(uint32_t tncType, const char* mode) {
        auto key = registry.Create(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Satellites\\AO-16");
        RegWriteString(*key, "Name", "AO-16");
        RegWriteDword(*key, "TNC Type", tncType);
        RegWriteDword(*key, "Port", 2);
        RegWriteDword(*key, "Speed", 19200);
        key->DeleteValue("DSP Mode");
        if (mode) key->WriteValue("DSP Mode", RegType::Sz, reinterpret_cast<const uint8_t*>(mode), 4);
    }

    MemoryRegistry registry;
    ScriptedSerialPorts ports;
    ScriptedWaits waits;
    RecordingNotices notices;
    RecordingTimers timers;
    int errorSounds = 0;
    Event ready{true};
    ModemControl modem{{registry, ports, waits, notices, timers, [this] { ++errorSounds; }}};
};

TEST_F(ModemControlTest, NothingToDo) {
    const struct {
        uint32_t tnc;
        const char* mode;
        const char* name;
    } cases[] = {{kTncDsp12, "\0\0\0", "AO-16"}, {kTncDsp12, nullptr, "AO-16"}, {1, "PACT", "AO-16"},
                 {kTncDsp12, "PACT", "UO-22"}};
    for (const auto& c : cases) {
        Satellite(c.tnc, c.mode);
        modem.SetModemMode(c.name, ready);
        EXPECT_TRUE(ready.IsSet());
    }
    EXPECT_TRUE(ports.Opens().empty());
}

TEST_F(ModemControlTest, Dsp12MenuDialogue) {
    Satellite(kTncDsp12, "PAC");
    ports.SetDevice([](const std::string& w) -> std::string {
        if (w == std::string(3, '\x03')) return "noise\r\xff\xfe^C^C^C to return:";
        if (w == "\r") return "cmd:";
        if (w == "Q\r") return std::string(200, 'x') + "  Main Menu  \r";
        return "";
    });
    modem.SetModemMode("AO-16", ready);
    ASSERT_TRUE(ports.WaitFor([&] { return ready.IsSet(); }));
    modem.OnTimeout();  // late: the dialogue had finished
    EXPECT_EQ(ports.Writes(), (Strings{std::string(3, '\x03'), "\r", "Q\r", "PAC\r"}));
    EXPECT_EQ(timers.Requests(),
              (Strings{"arm 106 2500", "arm 105 10000", "stop 106", "stop 105", "stop 106", "stop 105"}));
    EXPECT_TRUE(notices.Shown().empty());
}

TEST_F(ModemControlTest, Dsp12FailuresReleaseThePass) {
    Satellite(kTncDsp12, "PACT");
    modem.SetModemMode("AO-16", ready);
    EXPECT_FALSE(ready.IsSet());
    modem.OnWake();
    ports.Vanish();
    modem.OnTimeout();
    EXPECT_TRUE(ready.IsSet());
    ports.FailOpens(true);
    modem.SetModemMode("AO-16", ready);
    EXPECT_TRUE(ready.IsSet());
    EXPECT_EQ(ports.Written(), std::string(3, '\x03') + "q\r");
    EXPECT_EQ(ShownTexts(notices), (Strings{"DSP Access Problem: The DSP port has timed out.",
                                            "DSP Error: Unable to initialise DSP communications.  Error opening COM port."}));
    EXPECT_EQ(errorSounds, 2);
}

}  // namespace
}  // namespace tarvon
