#include "maint/UploadQueue.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ScratchDir.h"
#include "core/FileReplace.h"

namespace tarvon {
namespace {

namespace fs = std::filesystem;

class UploadQueueTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(root_ / "AO16");
        fs::create_directories(root_ / "UO22");
    }
    std::string Dir(const char* sat) { return (root_ / sat).string(); }
    void Put(const char* sat, const char* name, const std::vector<uint8_t>& bytes) {
        ASSERT_TRUE(ReplaceFileContents(root_ / sat / name, bytes));
    }
    std::vector<uint8_t> Get(const char* sat, const char* name) {
        std::vector<uint8_t> bytes;
        EXPECT_TRUE(ReadWholeFile(root_ / sat / name, bytes)) << name;
        return bytes;
    }
    testing::ScratchDir root_;
};

const std::vector<uint8_t> kHeaded{0xAA, 0x55, 0x14, 0x00, 3, 'A', 'L', 'L', 0x22, 0x00, 4, 'K', 'e', 'p', 's', 0, 0, 0};

TEST_F(UploadQueueTest, ListsTheClassesInOrderWithTheirHeaders) {
    for (const char* name : {"B.UL", "a.ul", "X.OUT", "Z.ULX", "W.PNL", "Y.PUL", "NOTES.TXT", "V.ULXX"}) {
        Put("AO16", name, kHeaded);
    }
    Put("AO16", "X.OUT", {'p', 'l', 'a', 'i', 'n'});
    fs::create_directory(root_.Path() / "AO16" / "D.UL");
    std::vector<std::string> rows;
    for (const QueuedUpload& u : ListUploadQueue(Dir("AO16"))) rows.push_back(u.row);
    const std::string headed = "ALL          Keps";
    EXPECT_EQ(rows, (std::vector<std::string>{"X.OUT           ", "Y.PUL           " + headed,
                                              "W.PNL           " + headed, "Z.ULX           " + headed,
                                              "a.ul            " + headed, "B.UL            " + headed}));
    EXPECT_TRUE(ListUploadQueue(Dir("none")).empty());
}

// A copy as .OUT, one refused for its long name, and Delete are the
// Housekeeping scenario's (e2e.maint_dialogs).
TEST_F(UploadQueueTest, Copy) {
    Put("AO16", "ABC.UL", kHeaded);
    Put("AO16", "SELF.OUT", kHeaded);
    Put("UO22", "OLD.OUT", {1, 2, 3});
    Put("AO16", "OLD.PUL", kHeaded);
    struct Case {
        const char* what;
        const char* name;
        const char* to;
        UploadCopy result;
        const char* made;  // the file that must now hold kHeaded, if any
    } cases[] = {
        {"onto itself leaves the file whole", "SELF.OUT", "AO16", UploadCopy::Copied, "SELF.OUT"},
        {"an older file of the name is replaced", "OLD.PUL", "UO22", UploadCopy::Copied, "OLD.OUT"},
        {"missing source", "GONE.UL", "UO22", UploadCopy::NoSource, nullptr},
        {"missing destination directory", "ABC.UL", "NONE", UploadCopy::NoDestination, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CopyQueuedUpload(Dir("AO16"), c.name, Dir(c.to)), c.result);
        if (c.made) {
            EXPECT_EQ(Get(c.to, c.made), kHeaded);
        }
    }
}

}  // namespace
}  // namespace tarvon
