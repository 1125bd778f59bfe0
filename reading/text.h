// The reading as plain text: what Copy Reading puts on the clipboard and the command line
// writes.
#pragma once

#include <QString>

namespace vorn {

struct Reading;

QString readingText(const Reading &reading);

} // namespace vorn
