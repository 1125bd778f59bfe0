// The entries of a reading and the checks they pass before a reading is made.
#pragma once

#include <QString>
#include <optional>
#include <string_view>

namespace vorn {

// The entries as the input window holds them: the three names as typed, and the texts of the
// day, month and year picked.
struct ReadingEntries
{
    QString firstName;
    QString middleName;
    QString lastName;
    QString day;
    QString month;
    QString year;
};

// A UTF-8 text of the engine or the catalogue as a QString.
QString fromUtf8(std::string_view text);

// The English name of month 1 to 12, as the pick list offers it.
QString monthName(int month);

// The month pick list's place (1 to 12) of a month's name; 0 for any other text.
int monthNumber(const QString &name);

// What typing text into a name box gives: a to z become A to Z, every other character stays.
QString typedCapitals(QString text);

// The entry that takes the focus after a refused check; None leaves the focus where it is.
enum class EntryField { None, FirstName, LastName, Day, Month, Year };

struct EntryProblem
{
    QString message;
    EntryField focus;
};

// The checks of the Next action, in order: a first name, a last name, a day, a month and a
// year; a day that February of the year has (leap years by the Gregorian rule); no 31st in
// April, June, September or November. The first check that fails, or nothing when a reading
// may be made.
std::optional<EntryProblem> validateInput(const ReadingEntries &entries);

} // namespace vorn
