#include "texts.h"

namespace vorn {

QString applicationTitle()
{
    return QStringLiteral("Vorn Color Numerology");
}

QString windowCaption()
{
    return applicationTitle() + QStringLiteral(" v1.0");
}

QString primaryColorCaption()
{
    return QStringLiteral("Primary Color");
}

QString secondaryColorCaption()
{
    return QStringLiteral("Secondary Color");
}

QString keywordsCaption()
{
    return QStringLiteral("Keywords");
}

QString interpretationCaption()
{
    return QStringLiteral("Interpretation");
}

} // namespace vorn
