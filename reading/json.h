// The reading as JSON (see the README): the names as counted, the birth date, and for each
// number its total, its working and the reading its tab shows.
#pragma once

#include <QByteArray>
#include <optional>

namespace vorn {

struct Reading;

// One line of compact JSON, keys in alphabetical order, as Qt's QJsonDocument writes it; with
// line, a list's row, which the object then holds as "line".
QByteArray readingJson(const Reading &reading, std::optional<quint64> line = std::nullopt);

// The same, appended to out (a list run writes many into one piece of output).
void appendReadingJson(QByteArray &out, const Reading &reading,
                       std::optional<quint64> line = std::nullopt);

} // namespace vorn
