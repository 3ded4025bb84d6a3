#include "core/SatelliteWizard.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

// Where a new satellite's wizard ends, by type and SatGate: the page whose
// Finish shows, and that every page before it offers Next.
TEST(SatelliteWizard, EachTypeEndsOnItsPage) {
    using P = SatellitePageId;
    struct Case {
        uint32_t type, satGate;
        P last;
    };
    const Case cases[] = {
        {1, 0, P::Frequencies}, {1, 1, P::Frequencies}, {2, 0, P::Tnc},     {2, 1, P::Tnc},
        {0, 0, P::Vant},        {0, 1, P::SatGate},     {7, 0, P::Tnc},  // an unknown type is no PacSat
    };
    for (const Case& c : cases) {
        SatelliteConfig config;
        config.satelliteType = c.type;
        config.enableSatGate = c.satGate;
        for (int p = 0; p <= static_cast<int>(c.last); ++p) {
            const WizardStep step = WizardStepFor(static_cast<P>(p), config);
            SCOPED_TRACE(testing::Message() << "type " << c.type << " satgate " << c.satGate << " page " << p);
            EXPECT_EQ(step.back, p != 0);
            EXPECT_EQ(step.finish, p == static_cast<int>(c.last));
        }
    }
}

}  // namespace
}  // namespace tarvon
