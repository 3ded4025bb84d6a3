#include <gtest/gtest.h>

#include "hardware/RotatorProtocol.h"
#include "hardware/RotatorSetup.h"
#include "hardware/TransverterSetup.h"
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

TEST(TransverterSetup, SavedTransverterReadsBackUnderItsOwnKey) {
    MemoryRegistry registry;
    const TransverterFields f{"2m", "", "144", "146", "0", "116", false, true};
    TransverterRecord record;
    ASSERT_FALSE(TransverterFromFields(f, record));
    ASSERT_TRUE(SaveTransverter(registry, record));
    record.program = "changed";
    ASSERT_TRUE(SaveTransverter(registry, record));  // rewrites, makes no second key
    EXPECT_EQ(TransverterNames(registry), std::vector<std::string>{"2m"});

    // The values' types and bytes are e2e.station_setup's.
    EXPECT_EQ(registry.ListValues(RegRoot::LocalMachine, "SOFTWARE\\Kova\\Transverters\\2m").size(), 8u);
    const TransverterFields back{"2m", "changed", "144.000000", "146.000000", "0.000000", "116.000000", false, true};
    EXPECT_EQ(LoadTransverterFields(registry, "2m"), back);

    EXPECT_TRUE(DeleteTransverter(registry, "2m"));
    EXPECT_FALSE(DeleteTransverter(registry, "2m"));
    EXPECT_TRUE(TransverterNames(registry).empty());
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
