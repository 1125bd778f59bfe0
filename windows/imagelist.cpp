#include "imagelist.h"

namespace vorn {

namespace {

// Pictures 1 to 12 carry their file name as key; 13 is the swatch of "Pink, Cherry".
constexpr std::array<const char *, ImageList::Count> FileNames = {
    "blue.jpg",    "coral.jpg",  "gold.jpg",        "green.jpg", "indigo.jpg",
    "magenta.jpg", "olive.jpg",  "orange.jpg",      "red.jpg",   "turquoise.jpg",
    "violet.jpg",  "yellow.jpg", "pink-cherry.jpg",
};

} // namespace

QString ImageList::resourcePath(int index)
{
    if (index < 1 || index > Count)
        return {};
    return QStringLiteral(":/swatches/") + QLatin1String(FileNames[index - 1]);
}

QPixmap ImageList::picture(int index) const
{
    if (index < 1 || index > Count)
        return {};
    QPixmap &picture = m_pictures[index - 1];
    if (picture.isNull())
        picture.load(resourcePath(index));
    return picture;
}

} // namespace vorn
