#include "cobrand.h"

#include <cfenv>
#include <cmath>

namespace vorn {

int coBrandDraw(double u)
{
    // std::nearbyint rounds in the current mode; the default, to nearest, sends halves to even.
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const int r = static_cast<int>(std::nearbyint(6.0 * u + 1.0));
    std::fesetround(previous);
    return r;
}

OfferInFront coBrandChoice(int r)
{
    switch (r) {
    case 1:
    case 3:
    case 5:
        return OfferInFront::CoBrand;
    case 2:
    case 4:
    case 6:
        return OfferInFront::FullBrand;
    default:
        return OfferInFront::AsDesigned;
    }
}

} // namespace vorn
