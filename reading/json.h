// The reading as JSON (see the README): the names as counted, the birth date, and for each
// number its total, its working and the reading its tab shows.
#pragma once

#include <QJsonObject>

namespace vorn {

struct Reading;

QJsonObject readingJson(const Reading &reading);

} // namespace vorn
