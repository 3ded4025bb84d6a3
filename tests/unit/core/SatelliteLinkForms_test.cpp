#include "core/SatelliteLinkForms.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

SatelliteConfig Stored() { return *NewSatelliteConfig(); }

// Numbers the TNC cannot use are replaced on leaving, at and around each limit.
TEST(SatelliteLinkForms, TncCorrectionsAtTheirLimits) {
    const struct {
        std::string TncForm::*text;
        uint32_t SatelliteConfig::*stored;
        std::vector<std::pair<const char*, uint32_t>> typedAndStored;
    } fields[] = {
        {&TncForm::txBuffer, &SatelliteConfig::txBuffer, {{"255", 2047}, {"256", 256}, {"32767", 32767}, {"32768", 2047}}},
        {&TncForm::rxBuffer, &SatelliteConfig::rxBuffer, {{"255", 8192}, {"32768", 8192}, {"4294967295", 8192}}},
        {&TncForm::txDelay, &SatelliteConfig::txDelay, {{"2500", 2500}, {"2501", 330}}},
        {&TncForm::txTail, &SatelliteConfig::txTail, {{"0", 0}, {"2501", 330}}},
        {&TncForm::retrySeconds, &SatelliteConfig::retryTime, {{"5", 5000}, {"60", 60000}, {"61", 6000}}},
        {&TncForm::packetLength, &SatelliteConfig::pacLength, {{"19", 245}, {"20", 20}, {"255", 255}, {"300", 245}}},
    };
    for (const auto& f : fields) {
        for (const auto& [typed, want] : f.typedAndStored) {
            SCOPED_TRACE(typed);
            SatelliteConfig config = Stored();
            TncForm form = TncFormFor(config);
            form.*f.text = typed;
            ASSERT_FALSE(ReadTncForm(form, config));
            EXPECT_EQ(config.*f.stored, want);
        }
    }
}

// The page shows whole seconds; a retry time left as shown keeps its milliseconds.
TEST(SatelliteLinkForms, RetryTimeLeftAsShownKeepsItsMilliseconds) {
    const std::pair<uint32_t, uint32_t> cases[] = {{3500, 3500}, {60000, 60000}, {60500, 60000}, {70000, 6000}};
    for (auto [stored, want] : cases) {
        SatelliteConfig config = Stored();
        config.retryTime = stored;
        ASSERT_FALSE(ReadTncForm(TncFormFor(config), config));
        EXPECT_EQ(config.retryTime, want) << stored;
    }
}

struct Forms {
    TncForm tnc;
    VantForm vant;
    SatGateForm satGate;
    explicit Forms(const SatelliteConfig& c) : tnc(TncFormFor(c)), vant(VantFormFor(c)), satGate(SatGateFormFor(c)) {}
    int& Position(SatelliteList list) {
        int* positions[] = {&tnc.tncType,       &tnc.port,        &tnc.speed,       &tnc.uplinkSpeed,
                            &vant.customisation, &vant.tailAction, &vant.dirPriority, &satGate.priority};
        return *positions[static_cast<int>(list)];
    }
};

// Every list position stands for one stored number and shows again as itself.
TEST(SatelliteLinkForms, ListEncodingsRoundTrip) {
    const struct {
        SatelliteList list;
        uint32_t SatelliteConfig::*stored;
        uint32_t first, last;
    } lists[] = {{SatelliteList::TncType, &SatelliteConfig::tncType, 1, 8},
                 {SatelliteList::Port, &SatelliteConfig::port, 1, 4},
                 {SatelliteList::Speed, &SatelliteConfig::speed, 1200, 115200},
                 {SatelliteList::UplinkSpeed, &SatelliteConfig::uplinkSpeed, 1200, 76800},
                 {SatelliteList::Customisation, &SatelliteConfig::bdcstCustom, 1, 4},
                 {SatelliteList::TailAction, &SatelliteConfig::tailAction, 1, 3},
                 {SatelliteList::DirPriority, &SatelliteConfig::dirPriority, 9, 4},
                 {SatelliteList::MailPriority, &SatelliteConfig::satGatePriority, 10, 5}};
    for (const auto& l : lists) {
        const int count = static_cast<int>(ChoicesOf(l.list).size());
        std::vector<uint32_t> stored;
        for (int position = 0; position < count; ++position) {
            SCOPED_TRACE(std::string(ChoicesOf(l.list)[position].name));
            SatelliteConfig config = Stored();
            Forms forms(config);
            forms.Position(l.list) = position;
            ASSERT_FALSE(ReadTncForm(forms.tnc, config));
            ASSERT_FALSE(ReadVantForm(forms.vant, config));
            ASSERT_FALSE(ReadSatGateForm(forms.satGate, config));
            stored.push_back(config.*l.stored);
            EXPECT_EQ(Forms(config).Position(l.list), position);
        }
        EXPECT_EQ(std::pair(stored.front(), stored.back()), std::pair(l.first, l.last));
    }
}

// A stored number a list lacks: the TNC lists keep it (the KISS TNC of
// e2e.satellite_link_pages); the satellite program's lists show a new satellite's.
TEST(SatelliteLinkForms, ProgramListsLackingTheStoredNumberShowANewSatellites) {
    const Forms forms(SatelliteConfig{});  // as a key without these values loads
    EXPECT_EQ(std::tuple(forms.vant.customisation, forms.vant.tailAction, forms.vant.dirPriority,
                         forms.satGate.priority),
              std::tuple(1, 0, 4, 1));
}

TEST(SatelliteLinkForms, BadInputNamesTheFieldAndStoresNothing) {
    const std::string notNumbers[] = {"", "abc", "-5", std::string(300, '7'), "4294967296"};
    const struct {
        std::string TncForm::*text;
        int field;
        const char* label;
    } numbers[] = {{&TncForm::txBuffer, kTncTxBuffer, "TX Buffer Size"},
                   {&TncForm::rxBuffer, kTncRxBuffer, "RX Buffer Size"},
                   {&TncForm::maxFrame, kTncMaxFrame, "Maxframe"},
                   {&TncForm::retries, kTncRetries, "Retries"},
                   {&TncForm::retrySeconds, kTncRetryTime, "Retry time"},
                   {&TncForm::txDelay, kTncTxDelay, "TX Delay"},
                   {&TncForm::txTail, kTncTxTail, "TX Tail"},
                   {&TncForm::packetLength, kTncPacketLength, "Packet Length"}};
    const SatelliteConfig before = Stored();
    for (const auto& n : numbers) {
        for (const std::string& text : notNumbers) {
            SCOPED_TRACE(std::string(n.label) + ": " + text.substr(0, 12));
            SatelliteConfig config = before;
            TncForm form = TncFormFor(config);
            form.*n.text = text;
            form.dspMode = "FSK";
            const auto problem = ReadTncForm(form, config);
            ASSERT_TRUE(problem);
            EXPECT_EQ(problem->field, n.field);
            EXPECT_EQ(problem->message.rfind(n.label, 0), 0u) << problem->message;
            EXPECT_EQ(std::tuple(config.txBuffer, config.pacLength, config.dspMode),
                      std::tuple(before.txBuffer, before.pacLength, before.dspMode));
        }
    }
    // Texts too long for their stored size or not storable as they are.
    auto fieldOf = [](const std::optional<FieldProblem>& problem) { return problem ? problem->field : -1; };
    SatelliteConfig config = before;
    for (const char* dsp : {"FSK96", "\xC3\xA9"}) {
        TncForm form = TncFormFor(config);
        form.dspMode = dsp;
        EXPECT_EQ(fieldOf(ReadTncForm(form, config)), kTncDspMode) << dsp;
    }
    DirectoriesForm directories = DirectoriesFormFor(config);
    directories.directories[3] = "C:\\Kova|Sat";
    EXPECT_EQ(fieldOf(ReadDirectoriesForm(directories, config)), 3);
    const SatGateForm satGates[] = {{"G0ABCDEFGH", "", 0}, {"", std::string(100, 'G'), 0}};
    EXPECT_EQ(fieldOf(ReadSatGateForm(satGates[0], config)), kSatGateCallsign);
    EXPECT_EQ(fieldOf(ReadSatGateForm(satGates[1], config)), kSatGateCollect);
    VantForm vant = VantFormFor(config);
    vant.changeFreq = "100";
    EXPECT_EQ(fieldOf(ReadVantForm(vant, config)), kVantChangeFreq);
    EXPECT_EQ(std::tuple(config.dspMode, config.binaryDirectory, config.satGateCallsign, config.changeFreq),
              std::tuple(before.dspMode, before.binaryDirectory, before.satGateCallsign, before.changeFreq));
}

}  // namespace
}  // namespace tarvon
