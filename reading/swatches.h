// The color swatches, 25 by 25 pixels each, addressed by a 1-based index as the catalogue
// numbers its pictures.
#pragma once

#include <QPixmap>
#include <QString>

namespace vorn {

inline constexpr int SwatchCount = 13;

// The resource path of the swatch at index 1 to SwatchCount; empty for any other index.
QString swatchPath(int index);

// The swatch at index 1 to SwatchCount, read once and shared through the pixmap cache; a null
// pixmap for any other index.
QPixmap swatch(int index);

} // namespace vorn
