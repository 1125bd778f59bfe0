#include "entrychecks.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace vorn {

namespace {

enum class Born { Read, Malformed, OutOfRange };

// The birth-date pick lists' texts for a date written YYYY-MM-DD within the years the lists
// offer; a day or month they do not offer is left empty, as a list with nothing picked.
Born readBirthDate(const QString &born, ReadingEntries &entries)
{
    if (born.isEmpty())
        return Born::Read;
    static const QRegularExpression Iso(u"^(\\d{4})-(\\d{2})-(\\d{2})$"_s);
    const QRegularExpressionMatch match = Iso.match(born);
    if (!match.hasMatch())
        return Born::Malformed;
    const int month = match.captured(2).toInt(), day = match.captured(3).toInt();
    // A month or day that no calendar has does not exist, whatever its year.
    const bool listed = day >= 1 && day <= 31 && month >= 1 && month <= 12;
    if (listed && (born < u"1900-01-01" || born > u"2050-12-31"))
        return Born::OutOfRange;
    if (listed) {
        entries.day = QString::number(day);
        entries.month = monthName(month);
    }
    entries.year = match.captured(1);
    return Born::Read;
}

// What the input window refuses, in a command's words: the option to give, or the date that
// does not exist.
QString refusal(const EntryProblem &problem, const QString &born)
{
    switch (problem.focus) {
    case EntryField::FirstName:
        return u"a first name is required (--first=NAME)"_s;
    case EntryField::LastName:
        return u"a last name is required (--last=NAME)"_s;
    case EntryField::Day:
    case EntryField::Month:
    case EntryField::Year:
    case EntryField::None:
        break;
    }
    if (born.isEmpty())
        return u"a birth date is required (--born=DATE)"_s;
    return u"the birth date '"_s + born + u"' does not exist"_s;
}

} // namespace

CheckedEntries checkEntries(const GivenEntries &given)
{
    CheckedEntries checked;
    switch (readBirthDate(given.born, checked.entries)) {
    case Born::Read:
        break;
    case Born::Malformed:
        checked.refusal
            = u"the birth date must be written as YYYY-MM-DD, not '"_s + given.born + u"'"_s;
        return checked;
    case Born::OutOfRange:
        checked.refusal = u"the birth date must be from 1900-01-01 to 2050-12-31, not '"_s
            + given.born + u"'"_s;
        return checked;
    }
    checked.entries.firstName = typedCapitals(given.first);
    checked.entries.middleName = typedCapitals(given.middle);
    checked.entries.lastName = typedCapitals(given.last);
    if (const std::optional<EntryProblem> problem = validateInput(checked.entries))
        checked.refusal = refusal(*problem, given.born);
    return checked;
}

} // namespace vorn
