// Texts that the windows and a kept reading share, each kept once.
#pragma once

#include <QString>

namespace vorn {

// The program's title, on every message box and a kept reading; the caption every window
// carries.
QString applicationTitle();
QString windowCaption();

// The captions of a number's values, on its tab and in a kept reading.
QString primaryColorCaption();
QString secondaryColorCaption();
QString keywordsCaption();
QString interpretationCaption();

} // namespace vorn
