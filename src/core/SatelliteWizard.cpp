#include "core/SatelliteWizard.h"

namespace tarvon {
namespace {

constexpr uint32_t kPacSat = 0;
constexpr uint32_t kAnalogue = 1;

bool LastPage(SatellitePageId page, const SatelliteConfig& c) {
    switch (page) {
    case SatellitePageId::Frequencies: return c.satelliteType == kAnalogue;
    case SatellitePageId::Tnc: return c.satelliteType != kPacSat;
    case SatellitePageId::Vant: return c.enableSatGate == 0;
    case SatellitePageId::SatGate: return true;
    default: return false;
    }
}

}  // namespace

WizardStep WizardStepFor(SatellitePageId page, const SatelliteConfig& config) {
    return {page != SatellitePageId::General, LastPage(page, config)};
}

}  // namespace tarvon
