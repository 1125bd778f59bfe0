// The reading library on its own: the working lines, the JSON, the saved file's name and the
// page, made in this process from entries as the input window hands them over.

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPageSize>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>
#include <reading/document.h>
#include <reading/entries.h>
#include <reading/json.h>
#include <reading/reading.h>
#include <reading/text.h>
#include <reading/working.h>

using namespace vorn;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(vorn::Reading)
Q_DECLARE_METATYPE(vorn::ReadingCategory)

namespace {

// Names as typed into the name boxes, and a date as the pick lists give it.
Reading ReadingFor(const QString &first, const QString &last, QDate born,
                   const QString &middle = {})
{
    return makeReading({typedCapitals(first), typedCapitals(middle), typedCapitals(last),
                        QString::number(born.day()), monthName(born.month()),
                        QString::number(born.year())});
}

const QString TwentyFourAs = QString(24, u'A');

} // namespace

class TestReading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saysHowEachNumberWasFound_data();
    void saysHowEachNumberWasFound();
    void writesEveryFieldOfTheJson_data();
    void writesEveryFieldOfTheJson();
    void leavesOutTheDescriptionsTheCatalogLacks();
    void namesTheSavedFileWithoutMakingAPathOfIt_data();
    void namesTheSavedFileWithoutMakingAPathOfIt();
    void fitsTheLongestReadingOnOnePage_data();
    void fitsTheLongestReadingOnOnePage();
};

void TestReading::saysHowEachNumberWasFound_data()
{
    QTest::addColumn<Reading>("reading");
    QTest::addColumn<ReadingCategory>("category");
    QTest::addColumn<QString>("working");

    auto row
        = [](const char *name, const Reading &reading, ReadingCategory category,
             const QString &working) { QTest::newRow(name) << reading << category << working; };
    const auto lifeJourney = ReadingCategory::LifeJourney;
    const auto soul = ReadingCategory::Soul;
    const auto personality = ReadingCategory::Personality;
    const Reading johnSmith = ReadingFor(u"john"_s, u"smith"_s, QDate(1999, 11, 29));
    row("two-digit parts, a year summed twice", johnSmith, lifeJourney,
        u"Day 29: 2 + 9 = 11, then 1 + 1 = 2 (only a grand total of exactly 11 or 22 is kept "
        u"unreduced). "
        u"Month 11 "
        u"(November): 1 + 1 = 2. Year 1999: 1 + 9 + 9 + 9 = 28, then 2 + 8 = 10 (the year's "
        u"digits are added, then that sum's digits, and no further, so 1999 counts as 10, not 1). Grand total: 2 + 2 + 10 = 14, then 1 + 4 = 5."_s);
    row("a day and a month of 11 summed", ReadingFor(u"a"_s, u"b"_s, QDate(2009, 11, 11)),
        lifeJourney,
        u"Day 11: 1 + 1 = 2 (only a grand total of exactly 11 or 22 is kept unreduced). "
        u"Month 11 (November): "
        u"1 + 1 "
        u"= 2. Year 2009: 2 + 0 + 0 + 9 = 11, then 1 + 1 = 2. Grand total: 2 + 2 + 2 = 6."_s);
    row("single digits stay", ReadingFor(u"a"_s, u"b"_s, QDate(2000, 3, 5)), lifeJourney,
        u"Day 5 stays 5. Month 3 (March) stays 3. Year 2000: 2 + 0 + 0 + 0 = 2. Grand total: "
        u"5 + 3 + 2 = 10, then 1 + 0 = 1."_s);
    row("a grand total of 22 kept", ReadingFor(u"a"_s, u"b"_s, QDate(1993, 9, 9)), lifeJourney,
        u"Day 9 stays 9. Month 9 (September) stays 9. Year 1993: 1 + 9 + 9 + 3 = 22, then 2 + 2 "
        u"= 4 (only a grand total of exactly 11 or 22 is kept unreduced). Grand total: 9 "
        u"+ 9 + 4 = 22, a "
        u"master "
        u"number, kept unreduced."_s);
    row("vowels", johnSmith, soul, u"Vowels: O 6 + I 9 = 15, then 1 + 5 = 6."_s);
    row("consonants", johnSmith, personality,
        u"Consonants: J 1 + H 8 + N 5 + S 1 + M 4 + T 2 + H 8 = 29, then 2 + 9 = 11, then 1 + 1 "
        u"= 2 (only a total of exactly 11 or 22 is kept unreduced)."_s);
    row("one letter, its own total", ReadingFor(u"john"_s, u"x"_s, QDate(2000, 1, 1)), soul,
        u"Vowels: O 6, which stays 6."_s);
    row("a name's total of 11 kept", ReadingFor(u"mary"_s, u"lee"_s, QDate(2000, 1, 1)), soul,
        u"Vowels: A 1 + E 5 + E 5 = 11, a master number, kept unreduced."_s);
    const Reading rhysWynn = ReadingFor(u"rhys"_s, u"wynn"_s, QDate(2000, 1, 1));
    row("Y as a vowel", rhysWynn, soul,
        u"Vowels (with no A, E, I, O, or U in the name, each Y counts as a vowel): Y 7 + Y 7 = 14, "
        u"then 1 + 4 = 5."_s);
    row("Y as a consonant too", rhysWynn, personality,
        u"Consonants (each Y counts as a consonant as well as a vowel): R 9 + H 8 + Y 7 + S 1 + W "
        u"5 + Y 7 + N 5 "
        u"+ N 5 = 47, then 4 + 7 = 11, then 1 + 1 = 2 (only a total of exactly 11 or 22 is "
        u"kept unreduced)."_s);
    row("no vowel", ReadingFor(u"brr"_s, u"tsk"_s, QDate(2000, 1, 1)), soul,
        u"The name has no A, E, I, O, U, or Y, so the number is 0, which has no reading."_s);
    row("no consonant", ReadingFor(u"aeiou"_s, u"aeiou"_s, QDate(2000, 1, 1)), personality,
        u"The name has no consonants, so the number is 0; the reading of 7 is shown in its place."_s);
    row("the letter after the 24th counted", ReadingFor(TwentyFourAs, u"e"_s, QDate(2000, 1, 1)),
        soul,
        u"Vowels: "_s + QStringList(24, u"A 1"_s).join(u" + "_s)
            + u" + (1 more letter, worth 5) = 29, then 2 + 9 = 11, then 1 + 1 = 2 (only a total of "
              u"exactly "
              u"11 or 22 is kept unreduced)."_s);
    row("a total that stops at its limit",
        ReadingFor(QString(4000, u'I'), u"b"_s, QDate(2000, 1, 1)), soul,
        u"Vowels: "_s + QStringList(24, u"I 9"_s).join(u" + "_s)
            + u" + (3,976 more letters, 3,616 of them added, worth 32,544) = 32,760 (the total may "
              u"not pass 32,767, so 360 "
              u"letters "
              u"were "
              u"not added), then 3 + 2 + 7 + 6 + 0 = 18, then 1 + 8 = 9."_s);
}

void TestReading::saysHowEachNumberWasFound()
{
    QFETCH(Reading, reading);
    QFETCH(ReadingCategory, category);
    QFETCH(QString, working);
    QCOMPARE(reading.section(category).working, working);

    // Laid out in a narrow space, a sum of numbers never breaks, and a list of letters breaks
    // only between letters; nothing is lost.
    const QString html = workingHtml(working);
    QTextDocument laidOut;
    laidOut.setHtml(html);
    QCOMPARE(laidOut.toPlainText().replace(QChar::Nbsp, u' '), working);
    QVERIFY2(!html.contains(QRegularExpression(u"\\d \\+ \\d"_s)), qPrintable(html));
    if (working.contains(QRegularExpression(u"[A-Z] \\d \\+ [A-Z] "_s)))
        QVERIFY2(html.contains(QRegularExpression(u"[A-Z]&nbsp;\\d \\+ [A-Z]&nbsp;"_s)),
                 qPrintable(html));
}

void TestReading::writesEveryFieldOfTheJson_data()
{
    QTest::addColumn<Reading>("reading");
    QTest::addColumn<QList<int>>("numbers"); // computed: Life Journey, Soul, Personality
    QTest::addColumn<QList<int>>("shown"); // the tab's number; -1: no reading

    QTest::newRow("john smith 29 November 1999")
        << ReadingFor(u"john"_s, u"smith"_s, QDate(1999, 11, 29)) << QList<int>{5, 6, 2}
        << QList<int>{5, 6, 2};
    QTest::newRow("RHYS WYNN: Y a vowel, and counted as a consonant too")
        << ReadingFor(u"rhys"_s, u"wynn"_s, QDate(1981, 10, 19)) << QList<int>{3, 5, 2}
        << QList<int>{3, 5, 2};
    QTest::newRow("Soul 0: no vowel, no Y") << ReadingFor(u"brr"_s, u"klm"_s, QDate(1993, 9, 9))
                                            << QList<int>{22, 0, 2} << QList<int>{22, -1, 2};
    QTest::newRow("Personality 0 shows the reading of 7")
        << ReadingFor(u"aeiou"_s, u"aeiou"_s, QDate(1987, 2, 2)) << QList<int>{11, 3, 0}
        << QList<int>{11, 3, 7};
    QTest::newRow("Life Journey 8: neither color described")
        << ReadingFor(u"ren\u00e9e"_s, u"o'neil"_s, QDate(2000, 1, 5), u" paul "_s)
        << QList<int>{8, 7, 5} << QList<int>{8, 7, 5};
    QTest::newRow("quotes, backslashes, controls, emoji and a lone surrogate in the names")
        << ReadingFor(u"a\"b\\c"_s, u"d\te\u0001\u007f\U0001F600"_s, QDate(2000, 1, 5),
                      u"\u00e9"_s + QChar(0xd800) + u"x"_s)
        << QList<int>{8, 6, 6} << QList<int>{8, 6, 6};
}

void TestReading::writesEveryFieldOfTheJson()
{
    QFETCH(Reading, reading);
    QFETCH(QList<int>, numbers);
    QFETCH(QList<int>, shown);

    // One line, written as Qt writes it, key for key and escape for escape.
    const QByteArray written = readingJson(reading);
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(written, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(parsed.toJson(QJsonDocument::Compact), written);
    const QJsonObject json = parsed.object();
    QCOMPARE(json[u"name"][u"first"].toString(), reading.firstName);
    QCOMPARE(json[u"name"][u"middle"].toString(), reading.middleName);
    QCOMPARE(json[u"born"].toString(), reading.born.toString(Qt::ISODate));
    const int totals[]
        = {reading.lifeJourneyWorking.reduction.total, reading.soulWorking.reduction.total,
           reading.personalityWorking.reduction.total};

    const char *keys[] = {"lifeJourney", "soul", "personality"};
    for (int i = 0; i < 3; ++i) {
        const QJsonObject category = json[QLatin1String(keys[i])].toObject();
        const auto which = ReadingCategories[static_cast<std::size_t>(i)];
        QCOMPARE(category[u"number"].toInt(), numbers[i]);
        QCOMPARE(category[u"total"].toInt(), totals[i]);
        // Its working comes down to the number, and its line in words is the section's.
        const QJsonObject working = category[u"working"].toObject();
        const QJsonArray steps = working[u"reductions"].toArray();
        QCOMPARE(steps.isEmpty() ? category[u"total"].toInt() : steps.last().toInt(), numbers[i]);
        QCOMPARE(working[u"text"].toString(), reading.section(which).working);
        if (which == ReadingCategory::LifeJourney) {
            const QJsonArray parts = working[u"parts"].toArray();
            QCOMPARE(parts.size(), 3);
            QCOMPARE(parts[1][u"text"].toString(), monthName(reading.born.month()));
            QVERIFY(!parts[1].toObject().contains(u"digitSum")); // a month has none
            QVERIFY(parts[2].toObject().contains(u"digitSum"));
        }
        if (shown[i] < 0) {
            QVERIFY(category[u"reading"].isNull());
            continue;
        }
        const QJsonObject shownReading = category[u"reading"].toObject();
        const CatalogueRecord *record
            = FindCatalogueRecord(which, static_cast<std::int16_t>(shown[i]));
        QCOMPARE(shownReading[u"number"].toInt(), shown[i]);
        QCOMPARE(shownReading[u"primaryColor"].toString(), fromUtf8(record->PrimaryColor));
        QCOMPARE(shownReading[u"secondaryColor"].toString(), fromUtf8(record->SecondaryColor));
        QCOMPARE(shownReading[u"keywords"].toString(), fromUtf8(record->Keywords));
        QCOMPARE(shownReading[u"primaryPicture"].toInt(), record->PrimaryPicture);
        QCOMPARE(shownReading[u"secondaryPicture"].toInt(), record->SecondaryPicture);
        // A color the catalog does not describe has no description: null, not its "NA".
        const std::pair<const char *, std::string_view> descriptions[]
            = {{"primaryDescription", record->PrimaryColorDesc},
               {"secondaryDescription", record->SecondaryColorDesc}};
        for (const auto &[key, description] : descriptions) {
            const QJsonValue value = shownReading[QLatin1String(key)];
            if (description == NotAvailable)
                QVERIFY2(value.isNull(), key);
            else
                QCOMPARE(value.toString(), fromUtf8(description));
        }
        QCOMPARE(shownReading[u"introduction"].toString(), fromUtf8(CategoryIntro(which)));
        QCOMPARE(shownReading[u"interpretation"].toString(), fromUtf8(record->Interpretation));
    }
}

void TestReading::leavesOutTheDescriptionsTheCatalogLacks()
{
    // Life Journey 8: neither of its colors has a description, which the window shows as "NA".
    const QString text = readingText(ReadingFor(u"john"_s, u"smith"_s, QDate(2000, 1, 5)));
    QVERIFY2(
        text.contains(u"\nPrimary Color: Rose\n\nSecondary Color: Opal, Ivory\n\nKeywords: "_s),
        qPrintable(text));
    QVERIFY(!text.split(u'\n').contains(u"NA"_s));
}

void TestReading::namesTheSavedFileWithoutMakingAPathOfIt_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("first and last") << u"john"_s << u"smith"_s << u"JOHN-SMITH-reading.pdf"_s;
    QTest::newRow("blanks around, accents kept")
        << u" Ren\u00e9e "_s << u"o'neil"_s << u"REN\u00e9E-O'NEIL-reading.pdf"_s;
    QTest::newRow("a last name of blanks") << u"ann"_s << u"   "_s << u"ANN-reading.pdf"_s;
    QTest::newRow("slashes") << u"a/b"_s << u"c\\d"_s << u"A-B-C-D-reading.pdf"_s;
    QTest::newRow("control characters")
        << u"a\tb"_s << u"c\nd\u0007"_s << u"A-B-C-D--reading.pdf"_s;
    QTest::newRow("no hidden file") << u"..ann"_s << u"lee"_s << u"ANN-LEE-reading.pdf"_s;
    QTest::newRow("no way up") << u".."_s << u"/"_s << u"---reading.pdf"_s;
}

void TestReading::namesTheSavedFileWithoutMakingAPathOfIt()
{
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, fileName);
    QCOMPARE(readingFileName(ReadingFor(first, last, QDate(2000, 1, 1), u"middle"_s)), fileName);
}

void TestReading::fitsTheLongestReadingOnOnePage_data()
{
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::newRow("A4") << QPageSize::A4;
    QTest::newRow("Letter") << QPageSize::Letter;
}

void TestReading::fitsTheLongestReadingOnOnePage()
{
    QFETCH(QPageSize::PageSizeId, paper);
    // The number with the most text, in every category.
    auto longest = [](ReadingCategory category) {
        std::int16_t best = 1;
        std::size_t most = 0;
        for (std::int16_t n : CatalogueNumbers) {
            const CatalogueRecord *r = FindCatalogueRecord(category, n);
            const std::size_t size = r->PrimaryColorDesc.size() + r->SecondaryColorDesc.size()
                + r->Keywords.size() + r->Interpretation.size();
            if (size > most)
                std::tie(best, most) = std::pair{n, size};
        }
        return best;
    };
    // A pasted name of many thousand letters, which the page cuts short, with the longest lines
    // of working: a date of two-digit parts, and names ruled by Y with more letters than a
    // working lists and a total past its limit, so every note is there. No real name has these
    // with the numbers of the most text; none takes more room.
    const QString names(20000, u'Y');
    Reading reading = ReadingFor(names, names, QDate(1999, 11, 29), names);
    for (Section &section : reading.sections)
        section = makeSection(section.category, longest(section.category), section.working);
    // Counted on the PDF as written: its page tree says how many pages it holds.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QVERIFY(writeReadingPdf(reading, pdf, QPageSize(paper)));
    static const QRegularExpression pages(
        u"/Type /Pages\\s*/Kids\\s*\\[[^\\]]*\\]\\s*/Count (\\d+)"_s);
    const QRegularExpressionMatch count = pages.match(QString::fromLatin1(pdf.data()));
    QVERIFY(count.hasMatch());
    QCOMPARE(count.captured(1).toInt(), 1);
}

QTEST_MAIN(TestReading)
#include "tst_reading.moc"
