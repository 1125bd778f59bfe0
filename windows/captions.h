// Texts that more than one window shows, each kept once; those a kept reading shares with the
// windows are in reading/texts.h.
#pragma once

#include <QString>
#include <reading/texts.h>

namespace vorn {

QString discussionBoardBanner();
QString coBrandCaption();
QString fullBrandCaption();
// The first part of the full-branding offer, which the About window shows on its own.
QString homeBusinessOffer();
// What the program does: the About window shows all of it, the input window its beginning.
QString programDescription();
QString programDescriptionOpening();

} // namespace vorn
