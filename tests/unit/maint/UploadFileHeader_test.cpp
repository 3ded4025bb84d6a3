#include "maint/UploadFileHeader.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace tarvon {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Item(uint16_t id, const std::string& data) {
    Bytes b{uint8_t(id & 0xFF), uint8_t(id >> 8), uint8_t(data.size())};
    b.insert(b.end(), data.begin(), data.end());
    return b;
}

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

const Bytes kMarker{0xAA, 0x55};
const Bytes kEnd{0, 0, 0};
const Bytes kDestination = Item(0x14, "G4XYZ");
const Bytes kTitle = Item(0x22, "Weekly element sets");

// A whole header before a body is the Housekeeping scenario's sample file
// (e2e.maint_dialogs); here, the damaged and odd ones.
TEST(UploadFileHeader, Text) {
    const std::string both = "G4XYZ        Weekly element sets";
    const std::string noDestination = std::string(13, ' ') + "Weekly element sets";
    struct Case {
        const char* what;
        Bytes file;
        std::string text;
    } cases[] = {
        {"no marker", Join({{0xAA, 0x56}, kDestination, kTitle, kEnd}), ""},
        {"empty file", {}, ""},
        {"marker alone", kMarker, std::string(13, ' ')},
        {"no terminator: read to the end", Join({kMarker, kDestination, kTitle}), both},
        {"length beyond the file stops the reading",
         Join({kMarker, kDestination, {0x22, 0x00, 200, 'W', 'e'}}), "G4XYZ        "},
        {"item header cut short", Join({kMarker, kDestination, {0x22, 0x00}}), "G4XYZ        "},
        {"zero-length items are skipped", Join({kMarker, Item(0x05, ""), Item(0x00, "x"), kTitle, kEnd}),
         noDestination},
        {"long fields are cut", Join({kMarker, Item(0x14, "ABCDEFGHIJKLMN"), Item(0x22, std::string(40, 'T'))}),
         "ABCDEFGHIJK  " + std::string(29, 'T')},
        {"a NUL ends a field", Join({kMarker, Item(0x14, std::string("ALL\0junk", 8)), kTitle}),
         "ALL          Weekly element sets"},
        {"items after the terminator are not read", Join({kMarker, kDestination, kEnd, kTitle}), "G4XYZ        "},
        {"255-byte item", Join({kMarker, Item(0x30, std::string(255, 'x')), kDestination, kTitle}), both},
    };
    for (const Case& c : cases) EXPECT_EQ(UploadHeaderText(c.file), c.text) << c.what;
}

}  // namespace
}  // namespace tarvon
