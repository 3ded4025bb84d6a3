#include <gtest/gtest.h>

#include "hardware/RotatorProtocol.h"
#include "hardware/RotatorSetup.h"
#include "hardware/TransverterSetup.h"
#include "hardware/Transverters.h"
#include "platform/memory/MemoryRegistry.h"

namespace tarvon {
namespace {

TEST(RotatorSetup, FieldsClampRefuseAndKeepWhatTheTypeDoesNotUse) {
    GeneralSettings stored;
    stored.rotatorPort = 0;
    stored.rotatorSpeed = 38400;
    stored.pacingDelay = 20;
    const RotatorFields shown = RotatorFieldsFor(stored);
    EXPECT_EQ(shown.port, 1u);
    EXPECT_EQ(shown.speed, 9600u);

    struct Case {
        uint32_t type;
        const char *pacing, *parkAz;
        bool display;
        int refused;  // the RotatorField, -1 for none
        uint32_t wantPacing, wantDisplay;
    };
    const Case cases[] = {
        {kRotatorGs232, "600", "10", true, -1, 500, 1},
        {kRotatorGs232, "abc", "10", false, static_cast<int>(RotatorField::PacingDelay), 0, 0},
        {kRotatorLevel1, "junk", "90", true, -1, 20, 0},  // pacing unused: kept
        {kRotatorTrakBox, "30", "junk", true, -1, 30, 1},  // park unused: kept
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pacing);
        RotatorFields f = shown;
        f.type = c.type;
        f.pacingDelay = c.pacing;
        f.parkAz = c.parkAz;
        f.displayActual = c.display;
        GeneralSettings g = stored;
        auto problem = RotatorFromFields(f, g);
        EXPECT_EQ(problem ? problem->field : -1, c.refused);
        if (problem) {
            EXPECT_FALSE(RotatorSettingsChanged(g, stored));
            continue;
        }
        EXPECT_EQ(g.pacingDelay, c.wantPacing);
        EXPECT_EQ(g.rotorDisplay, c.wantDisplay);
        EXPECT_EQ(g.rotatorType, c.type);
    }
}

// Saved as the Transverters page saves them, read as a tracking step reads
// them: the first transverter whose range holds the frequency gives the
// offset, when it is switched on for that direction.
TEST(TransverterSetup, SavedTransvertersReadBackAndGiveTheFirstCoveringOffset) {
    MemoryRegistry registry;
    EXPECT_EQ(TransverterOffset(registry, 2401.0, false), 0.0);  // no Transverters key
    const TransverterFields f{"2m", "", "144", "146", "0", "116", false, true};
    TransverterRecord record;
    ASSERT_FALSE(TransverterFromFields(f, record));
    ASSERT_TRUE(SaveTransverter(registry, record));
    record.program = "changed";
    ASSERT_TRUE(SaveTransverter(registry, record));  // rewrites, makes no second key
    ASSERT_TRUE(SaveTransverter(registry, {"S-band", "", 2400, 2450, 2256, 2256, false, true}));
    ASSERT_TRUE(SaveTransverter(registry, {"L-band", "", 1260, 1270, 1124, 0, true, false}));
    EXPECT_EQ(TransverterNames(registry), (std::vector<std::string>{"2m", "L-band", "S-band"}));
    const struct {
        double mhz;
        bool transmit;
        double offset;
    } cases[] = {{2401.0, false, 2256}, {2401.0, true, 0}, {1269.0, true, 1124}, {1269.0, false, 0},
                 {2450.0, false, 2256}, {2450.1, false, 0}, {435.0, false, 0},   {145.0, false, 116}};
    for (const auto& c : cases) EXPECT_EQ(TransverterOffset(registry, c.mhz, c.transmit), c.offset) << c.mhz;

    // The values' types and bytes are e2e.station_setup's.
    EXPECT_EQ(registry.ListValues(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Transverters\\2m").size(), 8u);
    const TransverterFields back{"2m", "changed", "144.000000", "146.000000", "0.000000", "116.000000", false, true};
    EXPECT_EQ(LoadTransverterFields(registry, "2m"), back);
    EXPECT_EQ(LoadTransverterFields(registry, "2M"), NewTransverterFields());  // names match exactly

    EXPECT_TRUE(DeleteTransverter(registry, "2m"));
    EXPECT_FALSE(DeleteTransverter(registry, "2m"));
    EXPECT_EQ(TransverterNames(registry), (std::vector<std::string>{"L-band", "S-band"}));
}

TEST(TransverterSetup, BadFieldsAreRefused) {
    struct Case {
        std::string TransverterFields::*text;
        std::string value;
        TransverterField field;
    };
    const Case cases[] = {
        {&TransverterFields::name, "", TransverterField::Name},
        {&TransverterFields::name, "a\\b", TransverterField::Name},
        {&TransverterFields::name, std::string(300, 'n'), TransverterField::Name},
        {&TransverterFields::start, "-5", TransverterField::Start},
        {&TransverterFields::finish, "143", TransverterField::Finish},  // below Start
        {&TransverterFields::txOffset, "99999999999", TransverterField::TxOffset},
        {&TransverterFields::rxOffset, "abc", TransverterField::RxOffset},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        TransverterFields f{"2m", "", "144", "146", "0", "0", false, false};
        f.*c.text = c.value;
        TransverterRecord record;
        auto problem = TransverterFromFields(f, record);
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->field, static_cast<int>(c.field));
    }
}

}  // namespace
}  // namespace tarvon
