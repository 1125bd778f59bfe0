#pragma once

#include <QString>

namespace vorn {

// Captions that more than one window shows.
QString DiscussionBoardBanner();
QString CoBrandCaption();
QString FullBrandCaption();
QString ProgramDescription(); // the About window's description of the program

} // namespace vorn
