#include "core/SatelliteSetupForms.h"

#include <gtest/gtest.h>

#include <functional>

namespace tarvon {
namespace {

SatelliteConfig Stored() {
    SatelliteConfig c = *NewSatelliteConfig();
    c.name = "AO-7";
    c.satelliteType = 1;
    c.priority = 5;
    c.uplink[0] = 145.8500004;
    c.downlink[2] = 435.1234567;
    c.uplinkIf = 28.5;
    return c;
}

using Read = std::function<std::optional<FieldProblem>(const std::string&, SatelliteConfig&)>;

template <typename Form, typename Member>
Read Reader(Form (*formFor)(const SatelliteConfig&), std::optional<FieldProblem> (*read)(const Form&, SatelliteConfig&),
            Member member) {
    return [=](const std::string& text, SatelliteConfig& c) {
        Form form = formFor(c);
        member(form) = text;
        return read(form, c);
    };
}
Read General(std::string SatelliteGeneralForm::*m) {
    return Reader(SatelliteGeneralFormFor, ReadSatelliteGeneralForm, [m](SatelliteGeneralForm& f) -> std::string& { return f.*m; });
}
Read Scheduling(std::string SatelliteSchedulingForm::*m) {
    return Reader(SatelliteSchedulingFormFor, ReadSatelliteSchedulingForm,
                  [m](SatelliteSchedulingForm& f) -> std::string& { return f.*m; });
}

// Bad text is refused by field, the field named and given the focus back, and
// the record keeps every value it had. Every numeric field with every kind of
// bad number, and the required name, is the wizard scenario's
// (e2e.satellite_wizard); here, the texts it leaves out.
TEST(SatelliteSetupForms, BadTextIsRefusedByFieldAndNothingIsStored) {
    const std::string tooLong(300, '7');
    const struct {
        const char* label;
        int field;
        Read read;
        std::vector<std::string> refused;
    } rows[] = {
        {"Name", kGeneralName, General(&SatelliteGeneralForm::name), {tooLong, "12\\34"}},
        {"TLM Config File", kGeneralTlmFile, General(&SatelliteGeneralForm::tlmFile), {tooLong}},
        {"NUP Callsign", kGeneralNup, General(&SatelliteGeneralForm::nupCallsign), {"99999999999", tooLong}},
        {"Program", kSchedulingProgram, Scheduling(&SatelliteSchedulingForm::program), {tooLong}},
    };
    for (const auto& row : rows) {
        for (const std::string& text : row.refused) {
            SCOPED_TRACE(std::string(row.label) + " given " + text.substr(0, 12));
            SatelliteConfig c = Stored();
            const auto problem = row.read(text, c);
            ASSERT_TRUE(problem);
            EXPECT_EQ(problem->field, row.field);
            EXPECT_EQ(problem->message.rfind(row.label, 0), 0u) << problem->message;
            EXPECT_EQ(c, Stored());
        }
    }
}

TEST(SatelliteSetupForms, WhatIsStored) {
    SatelliteConfig c = Stored();
    SatelliteGeneralForm g = SatelliteGeneralFormFor(c);
    g.bbsCallsign = "ao7-bbs";
    g.enableSatGate = true;  // refused for an Analogue satellite
    ASSERT_FALSE(ReadSatelliteGeneralForm(g, c));
    EXPECT_EQ(c.bbsCallsign, "AO7-BBS");
    EXPECT_EQ(c.enableSatGate, 0u);
    g.type = -1;
    EXPECT_EQ(ReadSatelliteGeneralForm(g, c)->message, kSatelliteTypeMissing);

    // Priority 0, refused only for a satellite whose passes run by themselves,
    // is e2e.satellite_wizard's.
    c.run = 7;
    EXPECT_EQ(SatelliteSchedulingFormFor(c).run, 2);
    ASSERT_FALSE(ReadSatelliteSchedulingForm(SatelliteSchedulingFormFor(c), c));
    EXPECT_EQ(c.run, 2u);

    // Untouched frequencies keep the precision the page does not show; the
    // intermediate frequencies, which it has no fields for, are kept.
    SatelliteFrequenciesForm f = SatelliteFrequenciesFormFor(c);
    EXPECT_EQ(f.uplink[0], "145.850000");
    f.downlink[0] = " 29.4 ";
    f.defaultUplink = 3;
    ASSERT_FALSE(ReadSatelliteFrequenciesForm(f, c));
    EXPECT_EQ(std::tuple(c.uplink[0], c.downlink[2], c.downlink[0], c.uplinkIf, c.defaultUplink),
              std::tuple(145.8500004, 435.1234567, 29.4, 28.5, 3u));
}

}  // namespace
}  // namespace tarvon
