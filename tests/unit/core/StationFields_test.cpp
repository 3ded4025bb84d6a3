#include "core/StationFields.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tarvon {
namespace {

StationConfig Stored() {
    StationConfig s;
    s.callsign = "G0ABC";
    s.latitude = 52.123456789;
    s.longitude = -1.5;
    s.altitude = 40.0;
    s.listenHours = 1;
    return s;
}

// The sides turn the amounts into the stored signs, North and West positive;
// a text left as shown keeps the stored precision.
TEST(StationFields, SidesAndUntouchedPrecision) {
    const StationConfig stored = Stored();
    PositionFields shown = PositionFieldsFor(stored);
    EXPECT_EQ(shown.longitude, "1.500000");
    EXPECT_TRUE(shown.east);
    EXPECT_FALSE(shown.south);

    StationConfig out = stored;
    ASSERT_FALSE(StationFromPositionFields(shown, out));
    EXPECT_EQ(out.latitude, stored.latitude);

    struct Case {
        const char* latitude;
        bool south, east;
        double wantLatitude, wantLongitude;
    };
    const Case cases[] = {{"35", true, false, -35.0, 1.5}, {"35", false, true, 35.0, -1.5}, {"0", true, true, 0.0, -1.5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.latitude);
        PositionFields f = shown;
        f.latitude = c.latitude;
        f.south = c.south;
        f.east = c.east;
        f.callsign = "m0xyz";
        StationConfig s = stored;
        ASSERT_FALSE(StationFromPositionFields(f, s));
        // The listen hours are not the page's.
        EXPECT_EQ(std::tie(s.latitude, s.longitude, s.callsign, s.listenHours),
                  std::tuple(c.wantLatitude, c.wantLongitude, "M0XYZ", 1u));
    }
}

// Text that is no number, or too long, in every field is the station set-up
// scenario's (e2e.station_setup); here, numbers beyond each range.
TEST(StationFields, BadInputNamesTheFieldAndChangesNothing) {
    struct Case {
        std::string PositionFields::*text;
        std::string value;
        PositionField field;
        const char* starts;
    };
    const Case cases[] = {
        {&PositionFields::latitude, "91", PositionField::Latitude, "Latitude"},
        {&PositionFields::longitude, "180.5", PositionField::Longitude, "Longitude"},
        {&PositionFields::stopHour, "24", PositionField::StopHour, "The hours"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        PositionFields f = PositionFieldsFor(Stored());
        f.limitHours = true;
        f.*c.text = c.value;
        StationConfig s = Stored();
        auto problem = StationFromPositionFields(f, s);
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->field, static_cast<int>(c.field));
        EXPECT_EQ(problem->message.rfind(c.starts, 0), 0u) << problem->message;
        EXPECT_EQ(s.latitude, Stored().latitude);
    }
    // Hours are only checked while they are used.
    PositionFields f = PositionFieldsFor(Stored());
    f.stopHour = "x";
    StationConfig s = Stored();
    EXPECT_FALSE(StationFromPositionFields(f, s));
    EXPECT_EQ(s.stopHour, Stored().stopHour);
}

}  // namespace
}  // namespace tarvon
