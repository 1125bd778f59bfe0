// Texts that more than one window shows, each kept once.
#pragma once

#include <QString>

namespace vorn {

// The caption every window carries, and the title of every message box.
QString windowCaption();
QString applicationTitle();

QString discussionBoardBanner();
QString coBrandCaption();
QString fullBrandCaption();
// The first part of the full-branding offer, which the About window shows on its own.
QString homeBusinessOffer();
// What the program does: the About window shows all of it, the input window its beginning.
QString programDescription();
QString programDescriptionOpening();

} // namespace vorn
