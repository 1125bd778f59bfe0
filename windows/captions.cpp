#include "captions.h"

#include <web/pages.h>

namespace vorn {

QString discussionBoardBanner()
{
    return QStringLiteral("Join the mystic discussions on Lorewell: ") + makerHost();
}

QString coBrandCaption()
{
    return QStringLiteral(
        "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
        "your site's name &  link here. See \"Help\" for details.    Click Here for more info on "
        "co-branding.");
}

QString homeBusinessOffer()
{
    return QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                          "money online. Get this software fully branded for your website.");
}

QString fullBrandCaption()
{
    return homeBusinessOffer() + QStringLiteral(" Click here for more details.");
}

QString programDescriptionOpening()
{
    return QStringLiteral(
        "Vorn Color Numerology finds the primary and secondary colors associated with the Soul "
        "Number, Personality Number and the Life Journey Number of a person. Using these colors in "
        "real life helps you grow ");
}

QString programDescription()
{
    return programDescriptionOpening()
        + QStringLiteral("in a particular area in life and develop your personality.");
}

} // namespace vorn
