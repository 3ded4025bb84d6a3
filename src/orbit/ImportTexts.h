#pragma once
// The texts of the element update, as the user sees them.
namespace tarvon::texts {

constexpr const char* kAddedToDatabase = ": Added to database";
constexpr const char* kKepsUpdated = ": Keps Updated";
constexpr const char* kOldKeps = ": Old Keps - Not Updated";
constexpr const char* kDatabaseFull = ": Database Full - Not Added";
constexpr const char* kNoCatalogNumber = ": No Catalog Number - Not Imported";
constexpr const char* kInvalidElements = ": Invalid Elements - Not Imported";
constexpr const char* kNoSatellitesFound = "No Satellites Found!";
constexpr const char* kKepsFileUnopened = "Keps file unable to be opened";
constexpr const char* kUpdateKepsTitle = "Update Keps";
constexpr const char* kUpdateKepsFileTitle = "Update Keplerian Database";
constexpr const char* kTwoLineFilter = "NASA Keplerian elements";
constexpr const char* kVerboseFilter = "Sarnet Keplerian elements";
constexpr const char* kDamagedKepsSetAside = "Kova.KEP was damaged (%s); it is kept as %s and its sound slots were carried over";
constexpr const char* kKepsNotWritten = "Kova.KEP could not be written: the element database is as it was";

}  // namespace tarvon::texts
