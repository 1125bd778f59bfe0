// One reading and the forms it can be kept in: text, JSON, a laid-out document for PDF and print.
// All are made from the engine and the catalogue, as the results window's tabs are.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <catalogue/catalogue.h>
#include <engine/numerology.h>
#include <memory>

class QIODevice;
class QPagedPaintDevice;
class QTextDocument;

namespace vorn {

struct ReadingEntries;

struct Reading
{
    QString firstName; // the names as counted
    QString middleName;
    QString lastName;
    QDate born;
    EngineNumber lifeJourney = 0;
    EngineNumber soul = 0;
    EngineNumber personality = 0;
    // How the engine found each number: the numbers above are theirs.
    LifeJourneyWorking lifeJourneyWorking;
    NameWorking soulWorking;
    NameWorking personalityWorking;
};

// The reading of entries that passed validateInput.
Reading makeReading(const ReadingEntries &entries);

// How a number of the reading was found, in a line of plain words: the parts of the date or the
// letters of the name with their values, the total and each sum down to the number.
QString workingText(const Reading &reading, ReadingCategory category);

// The reading as plain text, and as JSON (see the README).
QString readingText(const Reading &reading);
QByteArray readingJson(const Reading &reading);

// The reading laid out for paper: the title, the person, and a section for each number.
std::unique_ptr<QTextDocument> readingDocument(const Reading &reading);

// A4, or Letter where the locale measures in inches.
QPageSize localePageSize();

// The document laid out on pages of the layout, as it is printed.
std::unique_ptr<QTextDocument> readingPages(const Reading &reading, const QPageLayout &layout);

// Lays the reading out on the pages of device (a PDF writer or a printer) and paints it.
void paintReading(const Reading &reading, QPagedPaintDevice &device);

// Writes the reading as a PDF on paper to device; false when it could not be written.
bool writeReadingPdf(const Reading &reading, QIODevice &device,
                     const QPageSize &paper = localePageSize());

// The file name a saved reading is offered under: "<FIRST>-<LAST>-reading.pdf".
QString readingFileName(const Reading &reading);

} // namespace vorn
