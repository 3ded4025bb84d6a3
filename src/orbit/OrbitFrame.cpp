#include "orbit/OrbitFrame.h"

#include <cmath>

#include "orbit/OrbitConstants.h"
#include "orbit/Propagation.h"

namespace tarvon {

OrbitFrame MakeOrbitFrame(double ci, double si, double node, double argPerigee) {
    const double cO = std::cos(node), sO = std::sin(node);
    const double cw = std::cos(argPerigee), sw = std::sin(argPerigee);
    OrbitFrame f;
    f.p = {cw * cO - sw * ci * sO, cw * sO + sw * ci * cO, sw * si};
    f.q = {-sw * cO - cw * ci * sO, -sw * sO + cw * ci * cO, cw * si};
    f.w = {sO * si, -cO * si, ci};
    return f;
}

OrbitPoint PointInOrbit(double a, double e, double meanAnomaly) {
    const double nu = SolveKepler(meanAnomaly, e);
    const double p = a * (1.0 - e * e);
    const double cosNu = std::cos(nu), sinNu = std::sin(nu);
    const double r = p / (1.0 + e * cosNu);
    const double k = std::sqrt(orbit::kGm / p);
    return {r, r * cosNu, r * sinNu, -k * sinNu, k * (cosNu + e)};
}

}  // namespace tarvon
