#include "swatches.h"

#include <array>

namespace vorn {

namespace {

// Pictures 1 to 12 carry their file name as key; 13 is the swatch of "Pink, Cherry".
constexpr std::array<const char *, SwatchCount> FileNames = {
    "blue.jpg",    "coral.jpg",  "gold.jpg",        "green.jpg", "indigo.jpg",
    "magenta.jpg", "olive.jpg",  "orange.jpg",      "red.jpg",   "turquoise.jpg",
    "violet.jpg",  "yellow.jpg", "pink-cherry.jpg",
};

} // namespace

QString swatchPath(int index)
{
    if (index < 1 || index > SwatchCount)
        return {};
    return QStringLiteral(":/swatches/") + QLatin1String(FileNames[index - 1]);
}

QPixmap swatch(int index)
{
    return index < 1 || index > SwatchCount ? QPixmap() : QPixmap(swatchPath(index));
}

} // namespace vorn
