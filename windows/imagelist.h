#pragma once

#include <QPixmap>
#include <array>

namespace vorn {

// The colour swatches, 25 by 25 pixels each, addressed by a 1-based index. A swatch is read
// from the resources the first time it is asked for and kept from then on.
class ImageList
{
public:
    static constexpr int Count = 13;

    // The picture at index 1 to Count; a null pixmap for any other index.
    QPixmap picture(int index) const;

    // The resource path of the picture at index.
    static QString resourcePath(int index);

private:
    mutable std::array<QPixmap, Count> m_pictures;
};

} // namespace vorn
