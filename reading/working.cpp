#include "working.h"

#include "entries.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <span>
#include <vector>

using namespace Qt::StringLiterals;

namespace vorn {

namespace {

// Counts and totals as a reader writes them: 15,976.
QString counted(qlonglong n)
{
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    return english.toString(n);
}

// "1 + 4 = 5": the digits of a value summed to the next. (A list run writes many a second:
// this and the chain below append to one string rather than join lists.)
void appendDigitsSummed(QString &text, EngineNumber from, EngineNumber to)
{
    const QString digits = QString::number(from);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0)
            text += u" + "_s;
        text += digits[i];
    }
    text += u" = "_s;
    text += QString::number(to);
}

bool isMaster(EngineNumber n)
{
    return n == MasterEleven || n == MasterTwentyTwo;
}

// One line of working: sums of digits in a row ("2 + 9 = 11, then 1 + 1 = 2"). An 11 or a 22
// summed further would look like a slip to a reader who knows master numbers: the first chain of
// the line that sums one says which 11 or 22 is kept.
class SumChain
{
public:
    explicit SumChain(QString masterNote)
        : m_masterNote(std::move(masterNote))
    {
    }

    // The sums from a value through each step that changes it; empty when none does.
    QString chain(EngineNumber from, std::span<const EngineNumber> steps)
    {
        QString sums;
        bool passedMaster = false;
        for (const EngineNumber step : steps) {
            if (step == from)
                continue;
            passedMaster |= isMaster(from);
            if (!sums.isEmpty())
                sums += u", then "_s;
            appendDigitsSummed(sums, from, step);
            from = step;
        }
        return sums + masterNote(passedMaster);
    }

    // What follows a total: ", then 1 + 4 = 5.", or the master number kept.
    QString reduction(const Reduction &reduction)
    {
        if (reduction.master)
            return u", a master number, kept unreduced."_s;
        const QString sums
            = chain(reduction.total, std::span(reduction.steps).first(reduction.stepCount));
        return sums.isEmpty() ? u"."_s : u", then "_s + sums + u'.';
    }

private:
    QString masterNote(bool passedMaster)
    {
        if (!passedMaster || m_noted)
            return {};
        m_noted = true;
        return u" ("_s + m_masterNote + u')';
    }

    QString m_masterNote;
    bool m_noted = false;
};

// "Day 29: 2 + 9 = 11, then 1 + 1 = 2", or "Day 5 stays 5".
QString datePart(SumChain &sums, const QString &caption, int shown,
                 std::initializer_list<EngineNumber> steps)
{
    const QString chain = sums.chain(static_cast<EngineNumber>(shown), steps);
    if (chain.isEmpty())
        return caption + u" stays "_s + QString::number(shown);
    return caption + u": "_s + chain;
}

QString letterList(const NameWorking &working)
{
    QString text;
    text.reserve(qsizetype(working.listed()) * 6 + 32);
    for (std::size_t i = 0; i < working.listed(); ++i) {
        if (i > 0)
            text += u" + "_s;
        text += QChar::fromLatin1(working.letters[i].letter);
        text += u' ';
        text += QString::number(working.letters[i].value);
    }
    const std::size_t more = working.letterCount - working.listed();
    if (more == 0)
        return text;
    text += u" + ("_s + counted(qlonglong(more))
        + (more == 1 ? u" more letter"_s : u" more letters"_s);
    // The listed letters are always added (24 nines stay far below the limit), so what the
    // added ones among the rest are worth is the total less the listed.
    qlonglong listedSum = 0;
    for (std::size_t i = 0; i < working.listed(); ++i)
        listedSum += working.letters[i].value;
    if (working.skippedAdditions > 0)
        text += u", "_s + counted(qlonglong(more - working.skippedAdditions)) + u" of them added"_s;
    text += u", worth "_s + counted(qlonglong(working.reduction.total) - listedSum);
    return text + u')';
}

QString skippedNote(std::size_t skipped)
{
    if (skipped == 0)
        return {};
    return u" (the total may not pass 32,767, so "_s + counted(qlonglong(skipped))
        + (skipped == 1 ? u" letter was"_s : u" letters were"_s) + u" not added)"_s;
}

QString letterHeading(bool vowels, bool yRule)
{
    if (vowels)
        return yRule
            ? u"Vowels (with no A, E, I, O, or U in the name, each Y counts as a vowel): "_s
            : u"Vowels: "_s;
    return yRule ? u"Consonants (each Y counts as a consonant as well as a vowel): "_s
                 : u"Consonants: "_s;
}

} // namespace

QString lifeJourneyWorkingText(const LifeJourneyWorking &working, QDate born)
{
    SumChain sums(u"only a grand total of exactly 11 or 22 is kept unreduced"_s);
    const int month = born.month();
    const QString day = datePart(sums, u"Day "_s + QString::number(born.day()), born.day(),
                                 {working.day.digitSum, working.day.value});
    const QString monthPart
        = datePart(sums, u"Month "_s + QString::number(month) + u" ("_s + monthName(month) + u')',
                   month, {working.month.value});
    const QString year = datePart(sums, u"Year "_s + QString::number(born.year()), born.year(),
                                  {working.year.digitSum, working.year.value});
    const QString yearNote = working.year.value >= 10
        ? u" (the year's digits are added, then that sum's digits, and no further, so "_s
            + QString::number(born.year()) + u" counts as 10, not 1)"_s
        : QString();
    const QString grandTotal = QString::number(working.day.value) + u" + "_s
        + QString::number(working.month.value) + u" + "_s + QString::number(working.year.value)
        + u" = "_s + QString::number(working.reduction.total);
    return day + u". "_s + monthPart + u". "_s + year + yearNote + u". Grand total: "_s + grandTotal
        + sums.reduction(working.reduction);
}

QString nameWorkingText(const NameWorking &working, ReadingCategory category, bool yRule)
{
    const bool vowels = category == ReadingCategory::Soul;
    if (working.letterCount == 0)
        return vowels
            ? u"The name has no A, E, I, O, U, or Y, so the number is 0, which has no "_s
              u"reading."_s
            : u"The name has no consonants, so the number is 0; the reading of 7 is shown "_s
              u"in its place."_s;
    // One letter is its own total: "Vowels: O 6, which stays 6." rather than "O 6 = 6".
    if (working.letterCount == 1)
        return letterHeading(vowels, yRule) + letterList(working) + u", which stays "_s
            + QString::number(working.number()) + u'.';
    return letterHeading(vowels, yRule) + letterList(working) + u" = "_s
        + counted(working.reduction.total) + skippedNote(working.skippedAdditions)
        + SumChain(u"only a total of exactly 11 or 22 is kept unreduced"_s)
              .reduction(working.reduction);
}

QString workingHtml(const QString &working)
{
    static const QRegularExpression together(
        u"\\d[\\d,]*(?: \\+ \\d[\\d,]*)+ = \\d[\\d,]*|\\b[A-Z] \\d\\b"_s);
    const QString escaped = working.toHtmlEscaped();
    QString html;
    html.reserve(escaped.size() + escaped.size() / 2);
    qsizetype from = 0;
    for (const QRegularExpressionMatch &match : together.globalMatch(escaped)) {
        html += QStringView(escaped).sliced(from, match.capturedStart() - from);
        html += match.captured().replace(u' ', u"&nbsp;"_s);
        from = match.capturedEnd();
    }
    return html + QStringView(escaped).sliced(from);
}

} // namespace vorn
