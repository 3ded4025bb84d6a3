#pragma once
// The files of the test data, and the element files among them imported into
// an empty database, as every test program that predicts needs them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/FileReplace.h"
#include "orbit/ElementImport.h"

namespace tarvon::testing {

inline std::vector<uint8_t> TestFile(const std::string& name) {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(ReadWholeFile(std::string(TARVON_TEST_DATA) + "/" + name, bytes)) << name;
    return bytes;
}

inline KepsDatabase ImportedTwoLine(const std::string& name) {
    KepsDatabase db;
    ImportReport report;
    ImportTwoLineFile(TestFile(name), db, report);
    return db;
}

}  // namespace tarvon::testing
