#pragma once
// The pages of the satellite property sheet, in the sheet's order.
#include "ui/SatelliteSheet.h"

namespace tarvon {

const SatellitePage& GeneralPage();
const SatellitePage& SchedulingPage();
const SatellitePage& FrequenciesPage();
const SatellitePage& TncPage();
const SatellitePage& DirectoriesPage();
const SatellitePage& VantPage();
const SatellitePage& SatGatePage();

}  // namespace tarvon
