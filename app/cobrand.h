#pragma once

namespace vorn {

// The draw that decides which offer label of the input window is in front: r is the integer
// nearest to 6u + 1 for u in [0, 1), an exact half going to the even integer, so 1 to 7.
int coBrandDraw(double u);

enum class OfferInFront {
    CoBrand, // r = 1, 3, 5
    FullBrand, // r = 2, 4, 6
    AsDesigned, // r = 7: the full-branding offer, declared later, stays in front
};

OfferInFront coBrandChoice(int r);

} // namespace vorn
