#include "entries.h"

#include <engine/numerology.h>

namespace vorn {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString monthName(int month)
{
    return fromUtf8(MonthNames.at(static_cast<std::size_t>(month - 1)));
}

int monthNumber(const QString &name)
{
    const QByteArray utf8 = name.toUtf8();
    return MonthNumber({utf8.constData(), static_cast<std::size_t>(utf8.size())});
}

QString typedCapitals(QString text)
{
    for (QChar &c : text) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    }
    return text;
}

std::optional<EntryProblem> validateInput(const ReadingEntries &entries)
{
    const struct
    {
        const QString &text;
        const char *message;
        EntryField field;
    } required[] = {
        {entries.firstName, "Please Enter Your First Name", EntryField::FirstName},
        {entries.lastName, "Please Enter Your Last Name", EntryField::LastName},
        {entries.day, "Please Specify Your Birth Date", EntryField::Day},
        {entries.month, "Please Specify Your Birth Month", EntryField::Month},
        {entries.year, "Please Specify Your Birth Year", EntryField::Year},
    };
    for (const auto &entry : required) {
        if (entry.text.isEmpty())
            return EntryProblem{QLatin1String(entry.message), entry.field};
    }

    // Month and day by their places in the pick lists.
    const int month = monthNumber(entries.month);
    const int day = entries.day.toInt();
    const int year = entries.year.toInt();
    const bool leapYear = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (month == 2 && day > (leapYear ? 29 : 28))
        return EntryProblem{QStringLiteral("Please Enter Correct Date Or Month!"),
                            EntryField::None};
    if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31)
        return EntryProblem{QStringLiteral("Please Enter Correct Date Or Month !"),
                            EntryField::None};
    return std::nullopt;
}

} // namespace vorn
