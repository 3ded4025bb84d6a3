#include "platform/memory/RegExportFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "ScratchDir.h"
#include "contract/RegistryContract.h"
#include "platform/memory/MemoryRegistry.h"

namespace tarvon {
namespace {

const char* const kWineExport = TARVON_TEST_DATA "/registry/kova-wine-export.reg";

using contract::Bytes;

// A value's type and bytes; no bytes when it cannot be read.
contract::RawRead Value(MemoryRegistry& registry, std::string_view path, std::string_view name,
                        RegRoot root = RegRoot::LocalMachine) {
    auto key = registry.Open(root, path);
    if (!key) return {RegStatus::NotFound, RegType{}, 0, {}};
    contract::RawRead read = contract::Read(*key, std::string(name), 256);
    if (read.status != RegStatus::Ok) read.bytes.clear();
    return read;
}

std::vector<uint8_t> Sz(std::string_view text) {
    std::vector<uint8_t> bytes = Bytes(text);
    bytes.push_back(0);
    return bytes;
}

TEST(RegExportFile, ReadsWhatWineRegExportWrites) {
    const std::vector<uint8_t> file = Bytes(testing::FileText(kWineExport));
    ASSERT_FALSE(file.empty());
    MemoryRegistry registry;
    RegFileReport report = ReadRegFile(file, registry);
    EXPECT_EQ(std::tuple(report.recognised, report.keys, report.values, report.badLines, report.ignoredLines),
              std::tuple(true, 9, 17, 0, 0));

    const std::string kova = "SOFTWARE\\Kova";
    struct Case {
        std::string path;
        const char* name;
        RegType type;
        std::vector<uint8_t> bytes;
    };
    std::vector<uint8_t> sequence(64);
    for (size_t i = 0; i < sequence.size(); ++i) sequence[i] = static_cast<uint8_t>(i);
    const Case cases[] = {
        {kova + "\\General", "Kova Directory", RegType::Sz, Sz("C:\\Kova")},
        {kova + "\\General", "Error WAV", RegType::Sz, Sz("C:\\Sounds\\say \"error\".wav")},
        {kova + "\\General", "Empty", RegType::Sz, Sz("")},
        {kova + "\\General", "Sound Type", RegType::Dword, {3, 0, 0, 0}},
        {kova + "\\Station", "", RegType::Sz, Sz("default text")},
        {kova + "\\Station", "Latitude", RegType::Binary, {0, 0, 0, 0, 0, 0x80, 0x49, 0x40}},
        {kova + "\\Satellites\\AO-16", "Long", RegType::Binary, sequence},
        {kova + "\\Satellites\\AO-16", "Path", RegType{2}, Sz("%SystemRoot%\\x")},
        {kova + "\\Satellites\\AO-16", "Multi", RegType{7}, {'a', 0, 'b', 'c', 0, 0}},
        {kova + "\\Tarvon\\Events\\Daily Clean", "Weird\\Name", RegType::Sz, Sz("back\\\\slash")},
    };
    for (const Case& c : cases) {
        const contract::RawRead read = Value(registry, c.path, c.name);
        EXPECT_EQ(std::tie(read.type, read.bytes), std::tie(c.type, c.bytes)) << c.path << " " << c.name;
    }
}

// Also: a value outside any key is bad, and "=-" deletes a value.
TEST(RegExportFile, ReadsRegedit4WithLineFeedsUtf8AndContinuations) {
    const std::string text =
        "\xEF\xBB\xBFREGEDIT4\n"
        "\n"
        "; a comment line\n"
        "\"Orphan\"=\"outside any key\"\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kova\\Station]\n"
        "\"Callsign\" = \"G0ABC\"\n"
        "\"Drop\"=\"x\"\n"
        "\"Drop\"=-\n"
        "\"Label\"=\"Caf\xC3\xA9\"\n"
        "\"Longitude\"=hex:00,00,00,00,00,00,\\\n"
        "    f4,bf\n"
        "\"Mode\"=hex(1):46,4d,39,36\n"
        "\"Height\"=dword:7b\n"
        "[HKCU\\Control Panel\\International]\n"
        "\"sShortDate\"=\"MM/dd/yyyy\"\n";
    MemoryRegistry registry;
    RegFileReport report = ReadRegFile(Bytes(text), registry);
    EXPECT_EQ(std::tuple(report.recognised, report.keys, report.values, report.badLines), std::tuple(true, 2, 8, 1));
    EXPECT_EQ(Value(registry, "SOFTWARE\\Kova\\Station", "Drop").status, RegStatus::NotFound);
    const std::pair<const char*, std::vector<uint8_t>> values[] = {
        {"Callsign", Sz("G0ABC")}, {"Label", Sz("Caf\xC3\xA9")}, {"Longitude", {0, 0, 0, 0, 0, 0, 0xF4, 0xBF}},
        {"Mode", Bytes("FM96")},   {"Height", {0x7B, 0, 0, 0}}};
    for (const auto& [name, bytes] : values) EXPECT_EQ(Value(registry, "SOFTWARE\\Kova\\Station", name).bytes, bytes) << name;
    EXPECT_EQ(Value(registry, "Control Panel\\International", "sShortDate", RegRoot::CurrentUser).bytes,
              Sz("MM/dd/yyyy"));
}

// What `reg export` writes for text beyond ASCII: UTF-16 in key names,
// value names and data, stored as UTF-8 like the station's own writes.
TEST(RegExportFile, ReadsVersion5TextBeyondAscii) {
    const std::u16string text = u"\uFEFFWindows Registry Editor Version 5.00\r\n\r\n"
                                u"[HKEY_CURRENT_USER\\Software\\Caf\u00e9]\r\n"
                                u"\"Caf\u00e9\"=\"\u20ac 5 \U0001F4E1\"\r\n";
    std::vector<uint8_t> file;
    for (char16_t unit : text) {
        file.push_back(static_cast<uint8_t>(unit & 0xFF));
        file.push_back(static_cast<uint8_t>(unit >> 8));
    }
    MemoryRegistry registry;
    EXPECT_EQ(ReadRegFile(file, registry).badLines, 0);
    EXPECT_EQ(Value(registry, "Software\\Caf\xC3\xA9", "Caf\xC3\xA9", RegRoot::CurrentUser).bytes,
              Sz("\xE2\x82\xAC 5 \xF0\x9F\x93\xA1"));
}

TEST(RegExportFile, BadLinesAreSkippedAndCounted) {
    struct Case {
        const char* line;
        int bad;
        int ignored;
    };
    const Case cases[] = {
        {"\"Name\"=\"unterminated", 1, 0},
        {"\"Name\"", 1, 0},
        {"Name=\"x\"", 1, 0},
        {"\"Name\"=\"a\\qb\"", 1, 0},
        {"\"Name\"=\"a\" trailing", 1, 0},
        {"\"Time\"=dword:123456789", 1, 0},
        {"\"Data\"=hex:01,2g", 1, 0},
        {"\"Data\"=hex:100", 1, 0},
        {"\"Data\"=hex:01,,02", 1, 0},
        {"\"Data\"=hex(2:01", 1, 0},
        {"\"Path\"=hex(2):41", 1, 0},
        {"\"Data\"=text:01", 1, 0},
        {"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kova\\Other", 1, 1},
        {"[HKEY_LOCAL_MACHINE\\\\Double]", 1, 1},
        {"[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Old]", 0, 2},
        {"[HKEY_USERS\\.DEFAULT\\Kova]", 0, 2},
    };
    for (const Case& c : cases) {
        // The case's line, then a value that only lands when the section survives.
        const std::string text = std::string("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kova]\r\n") +
                                 "\"Before\"=dword:00000001\r\n" + c.line + "\r\n\"After\"=dword:00000002\r\n";
        MemoryRegistry registry;
        RegFileReport report = ReadRegFile(Bytes(text), registry);
        EXPECT_EQ(std::tuple(report.recognised, report.badLines, report.ignoredLines), std::tuple(true, c.bad, c.ignored))
            << c.line;
        EXPECT_EQ(Value(registry, "SOFTWARE\\Kova", "Before").bytes, (std::vector<uint8_t>{1, 0, 0, 0})) << c.line;
        bool afterInKova = !Value(registry, "SOFTWARE\\Kova", "After").bytes.empty();
        EXPECT_EQ(afterInKova, c.bad + c.ignored == 1) << c.line;
    }
}

TEST(RegExportFile, FilesWithoutAHeaderChangeNothing) {
    const std::vector<std::vector<uint8_t>> files = {
        {},
        Bytes("\r\n\r\n"),
        Bytes("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kova]\r\n\"A\"=\"b\"\r\n"),
        Bytes("REGEDIT5\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kova]\r\n"),
        {0xFF, 0xFE, 'R', 0, 'E', 0, 'G'},  // UTF-16 cut off mid-character
        {0xFF},
    };
    for (const auto& file : files) {
        MemoryRegistry registry;
        RegFileReport report = ReadRegFile(file, registry);
        EXPECT_FALSE(report.recognised);
        EXPECT_EQ(report.keys, 0);
        EXPECT_EQ(registry.Open(RegRoot::LocalMachine, "SOFTWARE\\Kova"), nullptr);
    }
}


// Every cut and a few thousand byte changes of a real export: the reader must
// neither crash nor read past its input (the sanitizer build watches that),
// and each line is accounted for at most once.
TEST(RegExportFile, DamagedFilesAreReadSafely) {
    const std::vector<uint8_t> original = Bytes(testing::FileText(kWineExport));
    ASSERT_FALSE(original.empty());
    auto check = [&](const std::vector<uint8_t>& file) {
        // Every line ends in a 0x0A byte, whatever the encoding.
        size_t lineCount = 1 + static_cast<size_t>(std::count(file.begin(), file.end(), uint8_t{'\n'}));
        MemoryRegistry registry;
        RegFileReport report = ReadRegFile(file, registry);
        if (!report.recognised) {
            EXPECT_EQ(report.keys + report.values + report.badLines + report.ignoredLines, 0);
            return;
        }
        EXPECT_LE(static_cast<size_t>(report.keys + report.values + report.badLines + report.ignoredLines),
                  lineCount);
    };
    for (size_t cut = 0; cut <= original.size(); cut += 3) {
        check(std::vector<uint8_t>(original.begin(), original.begin() + static_cast<long>(cut)));
    }
    uint32_t seed = 12345;
    auto next = [&] { return seed = seed * 1103515245u + 12345u; };
    const uint8_t interesting[] = {'\\', '"', '[', ']', ',', ':', '=', '\r', '\n', 0, 0xFF, 0xD8};
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> file = original;
        for (int changes = 1 + next() % 4; changes > 0; --changes) {
            file[2 + next() % (file.size() - 2)] = interesting[next() % sizeof interesting];
        }
        check(file);
    }
}

}  // namespace
}  // namespace tarvon
