// The reading on paper: one page, as Save Reading as PDF writes it and Print Reading prints it.
#pragma once

#include <QPageSize>
#include <QString>

class QIODevice;
class QPagedPaintDevice;

namespace vorn {

struct Reading;

// A4, or Letter where the locale measures in inches.
QPageSize localePageSize();

// Lays the reading out on the pages of device (a PDF writer or a printer) and paints it.
void paintReading(const Reading &reading, QPagedPaintDevice &device);

// Writes the reading as a PDF on paper to device; false when it could not be written.
bool writeReadingPdf(const Reading &reading, QIODevice &device,
                     const QPageSize &paper = localePageSize());

// The file name a saved reading is offered under: "<FIRST>-<LAST>-reading.pdf", with nothing
// of a name that would make a path or a hidden file of it.
QString readingFileName(const Reading &reading);

} // namespace vorn
