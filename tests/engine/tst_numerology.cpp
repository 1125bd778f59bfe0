#include <QTest>
#include <algorithm>
#include <engine/numerology.h>
#include <string>

using namespace vorn;
using namespace Qt::StringLiterals;

namespace {

// Test-side model of a name total: adds every value that keeps the sum within 16 bits and
// skips the others, computed in plain int so that it does not share the engine's code.
int ModelTotal(const std::string &name, int (*value)(char))
{
    int total = 0;
    for (char c : name) {
        const int v = value(c);
        if (total + v <= 32767)
            total += v;
    }
    return total;
}

int ModelReduce(int n)
{
    if (n == 11 || n == 22)
        return n;
    auto fold = [](int x) {
        const std::string s = std::to_string(x);
        return s.size() < 2 ? x : (s.front() - '0') + (s.back() - '0');
    };
    int s = 0;
    for (char c : std::to_string(n))
        s += c - '0';
    return fold(fold(s));
}

// The reduction of a working leads to its number: 11 and 22 stay, and otherwise each step sums
// the digits of the value before it, down to one digit, which is the number.
void CheckReduction(const Reduction &reduction, int number)
{
    QCOMPARE(reduction.master, reduction.total == 11 || reduction.total == 22);
    QVERIFY(!reduction.master || reduction.stepCount == 0);
    int value = reduction.total;
    for (int i = 0; i < reduction.stepCount; ++i) {
        int sum = 0;
        for (char c : std::to_string(value))
            sum += c - '0';
        QCOMPARE(int(reduction.steps[i]), sum);
        value = sum;
    }
    QCOMPARE(value, number);
    QVERIFY(reduction.master || value < 10);
}

// The letters a name working lists, as a string, Y marked * where it counted as a vowel; and
// whether the listed values add up to the total.
std::string Listed(const NameWorking &working)
{
    std::string letters;
    for (std::size_t i = 0; i < working.listed(); ++i)
        letters
            += std::string(1, working.letters[i].letter) + (working.letters[i].vowelY ? "*" : "");
    return letters;
}

int ListedSum(const NameWorking &working)
{
    int sum = 0;
    for (std::size_t i = 0; i < working.listed(); ++i)
        sum += working.letters[i].value;
    return sum;
}

int ModelConsonant(char c)
{
    return std::string_view("AEIOU").find(c) == std::string_view::npos && c >= 'A' && c <= 'Z'
        ? (c - 'A') % 9 + 1
        : 0;
}

int ModelVowel(char c)
{
    return std::string_view("AEIOU").find(c) != std::string_view::npos ? (c - 'A') % 9 + 1 : 0;
}

} // namespace

class TestNumerology : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reducesNameTotalsAsTheReferenceTable_data();
    void reducesNameTotalsAsTheReferenceTable();
    void digitSumAndFoldFollowTheirExamples_data();
    void digitSumAndFoldFollowTheirExamples();
    void letterValuesAreAlphabetPlacesBroughtIntoOneToNine();
    void monthNamesHaveTheirValues_data();
    void monthNamesHaveTheirValues();
    void lifeJourneyNumberOfDates_data();
    void lifeJourneyNumberOfDates();
    void lifeJourneyIsAlwaysInRangeForEveryPickableDate();
    void soulAndPersonalityOfNames_data();
    void soulAndPersonalityOfNames();
    void nameTotalsSkipAdditionsPastSixteenBits_data();
    void nameTotalsSkipAdditionsPastSixteenBits();
    void handlesAMegabyteName();
};

void TestNumerology::reducesNameTotalsAsTheReferenceTable_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("s"); // -1 where the master number stops the reduction
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("result");

    QTest::newRow("0") << 0 << 0 << 0 << 0;
    QTest::newRow("9") << 9 << 9 << 9 << 9;
    QTest::newRow("10") << 10 << 1 << 1 << 1;
    QTest::newRow("11") << 11 << -1 << -1 << 11;
    QTest::newRow("19") << 19 << 10 << 1 << 1;
    QTest::newRow("22") << 22 << -1 << -1 << 22;
    QTest::newRow("29") << 29 << 11 << 2 << 2;
    QTest::newRow("38") << 38 << 11 << 2 << 2;
    QTest::newRow("47") << 47 << 11 << 2 << 2;
    QTest::newRow("199") << 199 << 19 << 10 << 1;
    QTest::newRow("1999") << 1999 << 28 << 10 << 1;
    QTest::newRow("29999") << 29999 << 38 << 11 << 2;
    QTest::newRow("32767") << 32767 << 25 << 7 << 7;
}

void TestNumerology::reducesNameTotalsAsTheReferenceTable()
{
    QFETCH(int, n);
    QFETCH(int, s);
    QFETCH(int, t);
    QFETCH(int, result);

    if (s >= 0) {
        const std::string decimal = std::to_string(n);
        QCOMPARE(DigitSum(decimal), s);
        QCOMPARE(FoldOnce(static_cast<EngineNumber>(s)), t);
    }
    QCOMPARE(ReduceNameTotal(static_cast<EngineNumber>(n)), result);
}

void TestNumerology::digitSumAndFoldFollowTheirExamples_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("digitSum");
    QTest::addColumn<int>("folded");

    QTest::newRow("29") << QStringLiteral("29") << 11 << 2;
    QTest::newRow("1999") << QStringLiteral("1999") << 28 << 10;
    QTest::newRow("7") << QStringLiteral("7") << 7 << 7;
    QTest::newRow("empty") << QString() << 0 << 0;
    QTest::newRow("non-digits count nothing") << QStringLiteral("1a9-") << 10 << 1;
    QTest::newRow("2050") << QStringLiteral("2050") << 7 << 7;
    QTest::newRow("fold uses first and last digit only")
        << QStringLiteral("99999999999") << 99 << 18;
}

void TestNumerology::digitSumAndFoldFollowTheirExamples()
{
    QFETCH(QString, text);
    QFETCH(int, digitSum);
    QFETCH(int, folded);

    const QByteArray utf8 = text.toUtf8();
    const EngineNumber sum = DigitSum(std::string_view(utf8.constData(), utf8.size()));
    QCOMPARE(sum, digitSum);
    QCOMPARE(FoldOnce(sum), folded);
    QCOMPARE(FoldOnce(10), 1);
    QCOMPARE(FoldOnce(11), 2);
    QCOMPARE(FoldOnce(19), 10);
    QCOMPARE(FoldOnce(28), 10);
    QCOMPARE(FoldOnce(109), 10);
}

void TestNumerology::letterValuesAreAlphabetPlacesBroughtIntoOneToNine()
{
    const std::string_view vowels = "AEIOU";
    for (char c = 'A'; c <= 'Z'; ++c) {
        const int place = c - 'A' + 1;
        const int expected = (place - 1) % 9 + 1;
        const bool isVowel = vowels.find(c) != std::string_view::npos;
        QCOMPARE(VowelValue(c), isVowel ? expected : 0);
        QCOMPARE(ConsonantValue(c), isVowel ? 0 : expected);
    }
    QCOMPARE(ConsonantValue('Y'), 7);
    QCOMPARE(VowelYValue, 7);
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        if (c >= 'A' && c <= 'Z')
            continue;
        QCOMPARE(VowelValue(c), 0);
        QCOMPARE(ConsonantValue(c), 0);
    }
}

void TestNumerology::monthNamesHaveTheirValues_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("value");

    const char *names[] = {"January", "February", "March",     "April",   "May",      "June",
                           "July",    "August",   "September", "October", "November", "December"};
    const int values[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3};
    for (int i = 0; i < 12; ++i)
        QTest::newRow(names[i]) << QString::fromLatin1(names[i]) << values[i];
    QTest::newRow("lower case") << QStringLiteral("january") << 0;
    QTest::newRow("trailing blank") << QStringLiteral("May ") << 0;
    QTest::newRow("abbreviation") << QStringLiteral("Sep") << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("number") << QStringLiteral("11") << 0;
}

void TestNumerology::monthNamesHaveTheirValues()
{
    QFETCH(QString, month);
    QFETCH(int, value);
    const QByteArray utf8 = month.toUtf8();
    QCOMPARE(MonthValue(std::string_view(utf8.constData(), utf8.size())), value);
}

void TestNumerology::lifeJourneyNumberOfDates_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("number");

    QTest::newRow("29 November 1999") << "29"
                                      << "November"
                                      << "1999" << 5;
    QTest::newRow("9 September 1993 is master 22") << "9"
                                                   << "September"
                                                   << "1993" << 22;
    QTest::newRow("2 February 1987 is master 11") << "2"
                                                  << "February"
                                                  << "1987" << 11;
    QTest::newRow("1 January 1999 keeps year part 10") << "1"
                                                       << "January"
                                                       << "1999" << 3;
    QTest::newRow("1 January 1900") << "1"
                                    << "January"
                                    << "1900" << 3;
    QTest::newRow("31 December 2050") << "31"
                                      << "December"
                                      << "2050" << 5;
    QTest::newRow("19 October 1981") << "19"
                                     << "October"
                                     << "1981" << 3;
    QTest::newRow("day 11 is no master") << "11"
                                         << "January"
                                         << "1900" << 4;
    QTest::newRow("year 1991 digit sum 20") << "1"
                                            << "January"
                                            << "1991" << 4;
    QTest::newRow("unknown month counts 0") << "1"
                                            << "Januar"
                                            << "1900" << 2;
}

void TestNumerology::lifeJourneyNumberOfDates()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(int, number);
    const QByteArray d = day.toUtf8(), m = month.toUtf8(), y = year.toUtf8();
    QCOMPARE(ComputeLifeJourneyNumber(d.toStdString(), m.toStdString(), y.toStdString()), number);
    // Its working: the three parts add up to the total, which comes down to the number.
    const LifeJourneyWorking working
        = ComputeLifeJourneyWorking(d.toStdString(), m.toStdString(), y.toStdString());
    QCOMPARE(working.day.value + working.month.value + working.year.value,
             int(working.reduction.total));
    CheckReduction(working.reduction, number);
}

void TestNumerology::lifeJourneyIsAlwaysInRangeForEveryPickableDate()
{
    const char *months[] = {"January", "February", "March",     "April",   "May",      "June",
                            "July",    "August",   "September", "October", "November", "December"};
    int seen[23] = {};
    for (int day = 1; day <= 31; ++day) {
        for (const char *month : months) {
            for (int year = 1900; year <= 2050; ++year) {
                const int n
                    = ComputeLifeJourneyNumber(std::to_string(day), month, std::to_string(year));
                QVERIFY2((n >= 1 && n <= 9) || n == 11 || n == 22, std::to_string(n).c_str());
                ++seen[n];
            }
        }
    }
    QVERIFY(seen[11] > 0);
    QVERIFY(seen[22] > 0);
}

void TestNumerology::soulAndPersonalityOfNames_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("middle");
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("soul");
    QTest::addColumn<int>("personality");
    QTest::addColumn<QString>("vowels"); // the letters the Soul Number counted, Y* as a vowel

    QTest::newRow("JOHN SMITH: 29 is no master") << "JOHN"
                                                 << ""
                                                 << "SMITH" << 6 << 2 << u"OI"_s;
    QTest::newRow("MARY LEE: Y stays a consonant") << "MARY"
                                                   << ""
                                                   << "LEE" << 11 << 5 << u"AEE"_s;
    QTest::newRow("JOHN EMMA: master 22") << "JOHN"
                                          << ""
                                          << "EMMA" << 3 << 22 << u"OEA"_s;
    QTest::newRow("RHYS WYNN: Y counts in both") << "RHYS"
                                                 << ""
                                                 << "WYNN" << 5 << 2 << u"Y*Y*"_s;
    QTest::newRow("AEIOU AEIOU: no consonant") << "AEIOU"
                                               << ""
                                               << "AEIOU" << 3 << 0 << u"AEIOUAEIOU"_s;
    QTest::newRow("ANNE-MARIE O'NEIL") << "ANNE-MARIE"
                                       << ""
                                       << "O'NEIL" << 5 << 4 << u"AEAIEOEI"_s;
    QTest::newRow("ANNEMARIE ONEIL") << "ANNEMARIE"
                                     << ""
                                     << "ONEIL" << 5 << 4 << u"AEAIEOEI"_s;
    QTest::newRow("LYNN SMITH: Y rule over the whole name") << "LYNN"
                                                            << ""
                                                            << "SMITH" << 9 << 8 << u"I"_s;
    QTest::newRow("lower case counts nothing: only capitals have values")
        << "john"
        << ""
        << "smith" << 0 << 0 << u""_s;
    QTest::newRow("accents and emoji count nothing")
        << QStringLiteral("JO\u0308HN\u00e9") << QStringLiteral("\U0001F600")
        << QStringLiteral("SMIT\u00c9H\u200f") << 6 << 2 << u"OI"_s;
    QTest::newRow("blanks around names change nothing") << "  JOHN "
                                                        << "   "
                                                        << " SMITH  " << 6 << 2 << u"OI"_s;
    QTest::newRow("blanks only") << "   "
                                 << ""
                                 << " " << 0 << 0 << u""_s;
    QTest::newRow("tab is not trimmed but counts nothing") << "\tJOHN"
                                                           << ""
                                                           << "SMITH\t" << 6 << 2 << u"OI"_s;
    QTest::newRow("middle name joins in") << "JOHN"
                                          << "PAUL"
                                          << "SMITH" << 1 << 3 << u"OAUI"_s;
    QTest::newRow("Y only") << "YYY"
                            << ""
                            << "Y" << 1 << 1 << u"Y*Y*Y*Y*"_s;
}

void TestNumerology::soulAndPersonalityOfNames()
{
    QFETCH(QString, first);
    QFETCH(QString, middle);
    QFETCH(QString, last);
    QFETCH(int, soul);
    QFETCH(int, personality);
    const std::string f = first.toStdString(), m = middle.toStdString(), l = last.toStdString();
    QFETCH(QString, vowels);
    QCOMPARE(ComputeSoulNumber(f, m, l), soul);
    QCOMPARE(ComputePersonalityNumber(f, m, l), personality);
    // Their working: the letters that counted add up to the total, which comes down to the
    // number.
    const NameWorking soulWorking = ComputeSoulWorking(f, m, l);
    QCOMPARE(QString::fromStdString(Listed(soulWorking)), vowels);
    QCOMPARE(soulWorking.yRule, vowels.contains(u'*'));
    QCOMPARE(ListedSum(soulWorking), int(soulWorking.reduction.total));
    CheckReduction(soulWorking.reduction, soul);
    const NameWorking personalityWorking = ComputePersonalityWorking(f, m, l);
    QCOMPARE(ListedSum(personalityWorking), int(personalityWorking.reduction.total));
    QVERIFY(Listed(personalityWorking).find_first_of("AEIOU*") == std::string::npos);
    CheckReduction(personalityWorking.reduction, personality);
}

void TestNumerology::nameTotalsSkipAdditionsPastSixteenBits_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");

    QTest::newRow("4096 Z: the last one is skipped") << QString(4096, u'Z') << QStringLiteral("A");
    QTest::newRow("7000 E") << QString(7000, u'E') << QStringLiteral("S");
    QTest::newRow("skipped then a smaller letter fits")
        << QString(4095, u'Z') % QStringLiteral("RRJ") << QStringLiteral("O");
    QTest::newRow("mixed 40000 letters")
        << QStringLiteral("MARGARETHE").repeated(2000) << QStringLiteral("UTZ").repeated(6000);
}

void TestNumerology::nameTotalsSkipAdditionsPastSixteenBits()
{
    QFETCH(QString, first);
    QFETCH(QString, last);
    const std::string f = first.toStdString(), l = last.toStdString();
    const std::string joined = f + l;

    QCOMPARE(ComputeSoulNumber(f, "", l), ModelReduce(ModelTotal(joined, ModelVowel)));
    QCOMPARE(ComputePersonalityNumber(f, "", l), ModelReduce(ModelTotal(joined, ModelConsonant)));

    // The working lists the first letters, counts them all, and says how many additions the
    // 16-bit rule left out.
    std::size_t skippedInAll = 0;
    for (const bool vowels : {true, false}) {
        const NameWorking working
            = vowels ? ComputeSoulWorking(f, "", l) : ComputePersonalityWorking(f, "", l);
        int (*value)(char) = vowels ? ModelVowel : ModelConsonant;
        std::size_t counted = 0, skipped = 0;
        int total = 0;
        for (char c : joined) {
            if (const int v = value(c)) {
                ++counted;
                if (total + v <= 32767)
                    total += v;
                else
                    ++skipped;
            }
        }
        QCOMPARE(working.reduction.total, total);
        QCOMPARE(working.letterCount, counted);
        QCOMPARE(working.listed(), std::min(counted, NameWorking::ListedLetters));
        QCOMPARE(working.skippedAdditions, skipped);
        skippedInAll += skipped;
        CheckReduction(working.reduction, ModelReduce(total));
    }
    QVERIFY(skippedInAll > 0);
}

void TestNumerology::handlesAMegabyteName()
{
    // Y only: Soul counts 7 per Y until the next would pass 32,767 (4681 x 7 is exactly it).
    const std::string ys(1 << 20, 'Y');
    QCOMPARE(ComputeSoulNumber(ys, ys, ys), ModelReduce(4681 * 7));
    QCOMPARE(ComputePersonalityNumber(ys, "", ""), ModelReduce(4681 * 7));

    std::string mixed;
    mixed.reserve(1 << 20);
    while (mixed.size() < (1u << 20))
        mixed += "Ab\xc3\xa9 Z-";
    QCOMPARE(ComputePersonalityNumber(mixed, "", mixed),
             ModelReduce(ModelTotal(mixed + mixed, ModelConsonant)));
}

QTEST_APPLESS_MAIN(TestNumerology)
#include "tst_numerology.moc"
