#include "uitesting.h"

#include <QTest>
#include <catalogue/catalogue.h>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace vorn;

Q_DECLARE_METATYPE(vorn::ReadingCategory)

namespace {

const char *CategoryName(ReadingCategory category)
{
    switch (category) {
    case ReadingCategory::LifeJourney:
        return "LifeJourney";
    case ReadingCategory::Soul:
        return "Soul";
    case ReadingCategory::Personality:
        return "Personality";
    }
    return "?";
}

struct TextCase
{
    const char *name;
    std::string_view text;
    const char *opening;
    int length;
};

// Every paragraph of the catalogue with its opening words and its length.
std::vector<TextCase> AllTexts()
{
    using P = ColorDescriptionPool;
    auto interp = [](ReadingCategory c, int n) {
        return FindCatalogueRecord(c, static_cast<std::int16_t>(n))->Interpretation;
    };
    const auto LJ = ReadingCategory::LifeJourney;
    const auto S = ReadingCategory::Soul;
    const auto Pe = ReadingCategory::Personality;
    return {
        {"Red", P::Red, "Red is such a color, which is liable to cause irritation to the", 398},
        {"Orange", P::Orange, "Orange is the color of the Sun and this is the color, which", 356},
        {"Gold", P::Gold, "Gold symbolizes honor and devotion.", 354},
        {"Yellow", P::Yellow,
         "Yellow symbolizes intelligence, intellectuality and to some extent vitality.", 420},
        {"Green", P::Green, "If seen from a positive perspective, Green signifies life", 425},
        {"Blue", P::Blue, "Blue is said to be the color of the human body, mind and soul.", 394},
        {"Pink", P::Pink, "Pink is the color, which represents creativity and working attitude.",
         304},
        {"Indigo", P::Indigo,
         "Indigo is said to affect our physical as well as mental health positively.", 345},
        {"Violet", P::Violet, "Violet is such a color, which reflects sensitivity and a", 390},
        {"Strong-will", P::StrongWill, "This is the color, which indicates strong-will, forceful",
         425},
        {"LJ intro", CategoryIntro(LJ), "This is one of the most important numbers.", 261},
        {"Soul intro", CategoryIntro(S),
         "This number tries to close the gap between how you think you are", 187},
        {"Personality intro", CategoryIntro(Pe),
         "As the name suggests this number is associated with your", 203},
        {"LJ 1", interp(LJ, 1), "Your main purpose should be attaining independency.", 656},
        {"LJ 2", interp(LJ, 2), "Usually you are creative and follow certain protocols.", 515},
        {"LJ 3", interp(LJ, 3), "You are entertainers, optimists and very creative.", 571},
        {"LJ 4", interp(LJ, 4), "The Life Path 4 produces the most reliable, practical, and", 572},
        {"LJ 5", interp(LJ, 5),
         "Generally people with 5 are very multitalented, bold, and progressive.", 627},
        {"LJ 6", interp(LJ, 6),
         "The Life Path 6 indicates that you have a strong sense of responsibility.", 588},
        {"LJ 7", interp(LJ, 7), "You tend to be calm and affectionate by nature.", 425},
        {"LJ 8", interp(LJ, 8), "You are very materialistic and are focused on learning the ways",
         537},
        {"LJ 9", interp(LJ, 9), "People with number 9 are generous, loving and have an inborn",
         445},
        {"LJ 11", interp(LJ, 11),
         "This is a master number and is associated with spiritual awareness.", 402},
        {"LJ 22", interp(LJ, 22),
         "The number 22 is the most powerful of all the Life Path numbers.", 537},
        {"Soul 1", interp(S, 1), "You achieve a sense of gratification when you succeed in any",
         329},
        {"Soul 2", interp(S, 2),
         "You enclose a deep internal necessitate for love and harmony in your life.", 318},
        {"Soul 3", interp(S, 3), "You achieve a sense of pleasure when you are involved in", 423},
        {"Soul 4", interp(S, 4), "At hand there is an ever-present need to consider sheltered and",
         394},
        {"Soul 5", interp(S, 5), "The yearning to have complete liberty to be in control of your",
         346},
        {"Soul 6", interp(S, 6), "Having the knowledge of being wanted and respected is an", 322},
        {"Soul 7", interp(S, 7), "You encompass an in-built secret need to gain a spiritual", 298},
        {"Soul 8", interp(S, 8), "You have a focused drive to achieve in a material sense and to",
         381},
        {"Soul 9", interp(S, 9), "You feel proud and satisfied, when you do something impressive",
         352},
        {"Soul 11", interp(S, 11), "Master number 11 has resemblance with number 2.", 384},
        {"Soul 22", interp(S, 22), "With a master number 22 Soul Urge, there is an ever-lasting",
         480},
        {"Personality 1", interp(Pe, 1), "Great feeling of importance is what you love.", 351},
        {"Personality 2", interp(Pe, 2),
         "You dream about having close relationships with your friends and", 338},
        {"Personality 3", interp(Pe, 3), "All forms of art are you dream roles.", 396},
        {"Personality 4", interp(Pe, 4),
         "You visualize of being someone rock-solid whom everyone can depend on.", 296},
        {"Personality 5", interp(Pe, 5),
         "You would love to be totally free and unreserved by responsibility.", 341},
        {"Personality 6", interp(Pe, 6), "You love your family and relations.", 314},
        {"Personality 7", interp(Pe, 7),
         "You love to grab all opportunities you get to read and shut", 339},
        {"Personality 8", interp(Pe, 8),
         "Your vision is success in the business or political world, of", 305},
        {"Personality 9", interp(Pe, 9), "You are kind and compassionate.", 347},
        {"Personality 11", interp(Pe, 11),
         "You have the dream of casting the light of illumination; being", 339},
        {"Personality 22", interp(Pe, 22),
         "You have big dreams of being the pioneer behind something truly monumental.", 354},
    };
}

struct ColorRow
{
    int number;
    const char *primary;
    int primaryPicture;
    const char *secondary; // nullptr: the line of 7, which differs by category
    int secondaryPicture;
    const char *keywords;
    const std::string_view *primaryDesc; // nullptr: "NA"
    const std::string_view *secondaryDesc;
};

const std::vector<ColorRow> &ColorRows()
{
    using P = ColorDescriptionPool;
    static const std::vector<ColorRow> rows = {
        {1, "Red", 9, "Crimson, Apricot", 2,
         "Stimulation, Growth, excitement, high spirits, and physical energy, Determination, "
         "Passion",
         &P::Red, nullptr},
        {2, "Orange", 8, "Gold, Salmon, Garnet, Black", 3,
         "Accentuates relationships, Learning, Success, Happiness", &P::Orange, &P::Gold},
        {3, "Yellow", 12, "Ruby, Amber", 6, "Creativity, Intellect, Optimism", &P::Yellow, nullptr},
        {4, "Green", 4, "Blue, Indigo, Brown, Silver", 1,
         "Peace, Rest, Responsibility, Relaxation, Growth, Abundance, Prosperity", &P::Green,
         &P::Blue},
        {5, "Blue", 1, "Pink, Cherry", 13, "Growth, Patience, Tranquility", &P::Blue, &P::Pink},
        {6, "Indigo", 5, "Orange, Mustard", 8, "Intuition, Creativity, Imagination, Power",
         &P::Indigo, &P::Orange},
        {7, "Violet", 11, nullptr, 6, "Inner Work, Vision, Spirituality", &P::Violet, nullptr},
        {8, "Rose", 9, "Opal, Ivory", 3, "Innovation, Dramatic change", nullptr, nullptr},
        {9, "Gold", 3, "Olive, Red", 9, "Wisdom, Wealth", &P::Gold, &P::Red},
        {11, "Orange", 8, "Gold, Salmon, Garnet, Black", 3,
         "Accentuates relationships, Learning, Success, Happiness", &P::Orange, &P::StrongWill},
        {22, "Green", 4, "Blue, Indigo, Brown, Silver", 1,
         "Peace, Rest, Responsibility, Relaxation, Growth, Abundance, Prosperity", &P::Green,
         &P::Blue},
    };
    return rows;
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tabCaptionsFollowTheCategoryOrder();
    void everyTextHasItsOpeningAndLength_data();
    void everyTextHasItsOpeningAndLength();
    void noTwoInterpretationsAndNoTwoSentencesAreAlike();
    void noFourWordRunRecursInThreeTexts();
    void recordsCarryTheirColorColumns_data();
    void recordsCarryTheirColorColumns();
    void recordsShareOneStoredCopyOfEachText();
    void onlyTheCatalogueNumbersHaveRecords();
    void decidesWhatATabShows_data();
    void decidesWhatATabShows();
    void composesIntroBlankLineInterpretation();
};

void TestCatalogue::tabCaptionsFollowTheCategoryOrder()
{
    QCOMPARE(ReadingCategories[0], ReadingCategory::LifeJourney);
    QCOMPARE(ReadingCategories[1], ReadingCategory::Soul);
    QCOMPARE(ReadingCategories[2], ReadingCategory::Personality);
    QCOMPARE(Str(TabCaption(ReadingCategory::LifeJourney)), u"Life Journey Number");
    QCOMPARE(Str(TabCaption(ReadingCategory::Soul)), u"Soul Number");
    QCOMPARE(Str(TabCaption(ReadingCategory::Personality)), u"Personality Number");
}

void TestCatalogue::everyTextHasItsOpeningAndLength_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("asciiWithoutBreaks");

    for (const TextCase &c : AllTexts()) {
        bool plain = true;
        for (char ch : c.text)
            plain = plain && ch >= 0x20 && ch <= 0x7e;
        QTest::newRow(c.name) << Str(c.text) << QString::fromLatin1(c.opening) << c.length << plain;
    }
}

void TestCatalogue::everyTextHasItsOpeningAndLength()
{
    QFETCH(QString, text);
    QFETCH(QString, opening);
    QFETCH(int, length);
    QFETCH(bool, asciiWithoutBreaks);

    QVERIFY2(text.startsWith(opening), qPrintable(text.left(opening.size())));
    QCOMPARE(text.size(), length);
    QVERIFY(asciiWithoutBreaks);
    QVERIFY2(!text.contains(u"  "), "no doubled blanks");
    QCOMPARE(text.trimmed(), text);
}

void TestCatalogue::noTwoInterpretationsAndNoTwoSentencesAreAlike()
{
    std::set<std::string_view> interpretations;
    for (ReadingCategory category : ReadingCategories) {
        for (std::int16_t n : CatalogueNumbers)
            interpretations.insert(FindCatalogueRecord(category, n)->Interpretation);
    }
    QCOMPARE(interpretations.size(), 33u);

    std::set<QString> sentences;
    for (const TextCase &c : AllTexts()) {
        const QStringList parts = Str(c.text).split(QStringLiteral(". "), Qt::SkipEmptyParts);
        for (const QString &sentence : parts) {
            if (sentence.size() < 25) // short phrases may recur naturally
                continue;
            QVERIFY2(sentences.insert(sentence).second, qPrintable(sentence));
        }
    }
}

// A frame that several paragraphs share shows up as the same run of words in each. Outside its
// fixed opening, no run of four consecutive words may occur in three or more texts. Words are
// the blank-separated tokens of the text, lower-cased, with every character that is not a letter
// or a digit removed; a token left empty (a lone dash) is no word.
void TestCatalogue::noFourWordRunRecursInThreeTexts()
{
    std::map<std::string, std::set<std::string>> textsOfRun;
    for (const TextCase &c : AllTexts()) {
        const std::string_view opening(c.opening);
        QVERIFY2(c.text.substr(0, opening.size()) == opening, c.name);

        std::vector<std::string> words;
        std::string word;
        for (char ch : c.text.substr(opening.size())) {
            const auto byte = static_cast<unsigned char>(ch);
            if (std::isalnum(byte)) {
                word += static_cast<char>(std::tolower(byte));
            } else if (ch == ' ' && !word.empty()) {
                words.push_back(word);
                word.clear();
            }
        }
        if (!word.empty())
            words.push_back(word);

        for (std::size_t i = 0; i + 4 <= words.size(); ++i) {
            const std::string run
                = words[i] + ' ' + words[i + 1] + ' ' + words[i + 2] + ' ' + words[i + 3];
            textsOfRun[run].insert(c.name);
        }
    }

    QStringList shared;
    for (const auto &[run, names] : textsOfRun) {
        if (names.size() < 3)
            continue;
        QStringList where;
        for (const std::string &name : names)
            where << QString::fromStdString(name);
        shared
            << QStringLiteral("\"%1\" in %2").arg(QString::fromStdString(run), where.join(u", "));
    }
    QVERIFY2(shared.isEmpty(), qPrintable(shared.join(u"; ")));
}

void TestCatalogue::recordsCarryTheirColorColumns_data()
{
    QTest::addColumn<ReadingCategory>("category");
    QTest::addColumn<int>("row");
    for (ReadingCategory category : ReadingCategories) {
        for (int row = 0; row < static_cast<int>(ColorRows().size()); ++row) {
            const QByteArray name = QByteArray(CategoryName(category)) + ' '
                + QByteArray::number(ColorRows()[row].number);
            QTest::newRow(name.constData()) << category << row;
        }
    }
}

void TestCatalogue::recordsCarryTheirColorColumns()
{
    QFETCH(ReadingCategory, category);
    QFETCH(int, row);
    const ColorRow &expected = ColorRows()[row];
    const CatalogueRecord *record
        = FindCatalogueRecord(category, static_cast<std::int16_t>(expected.number));
    QVERIFY(record);

    QCOMPARE(Str(record->NumberCaption), QString::number(expected.number));
    QCOMPARE(Str(record->PrimaryColor), QString::fromLatin1(expected.primary));
    QCOMPARE(record->PrimaryPicture, expected.primaryPicture);
    QCOMPARE(record->SecondaryPicture, expected.secondaryPicture);
    QCOMPARE(Str(record->Keywords), QString::fromLatin1(expected.keywords));
    const char *secondary = expected.secondary
        ? expected.secondary
        : (category == ReadingCategory::LifeJourney ? "Magenta , Pearl" : "Pearl, Magenta");
    QCOMPARE(Str(record->SecondaryColor), QString::fromLatin1(secondary));

    auto checkDesc = [](std::string_view actual, const std::string_view *pool) {
        if (pool)
            return actual.data() == pool->data() && actual.size() == pool->size();
        return actual == "NA";
    };
    QVERIFY(checkDesc(record->PrimaryColorDesc, expected.primaryDesc));
    QVERIFY(checkDesc(record->SecondaryColorDesc, expected.secondaryDesc));
}

void TestCatalogue::recordsShareOneStoredCopyOfEachText()
{
    auto rec = [](ReadingCategory c, int n) {
        return FindCatalogueRecord(c, static_cast<std::int16_t>(n));
    };
    auto same = [](std::string_view a, std::string_view b) {
        return a.data() == b.data() && a.size() == b.size();
    };
    const auto LJ = ReadingCategory::LifeJourney;
    const auto S = ReadingCategory::Soul;
    const auto P = ReadingCategory::Personality;

    for (ReadingCategory c : ReadingCategories) {
        // 2 and 11, 4 and 22 show the same color lines from the same stored copies.
        QVERIFY(same(rec(c, 2)->PrimaryColor, rec(c, 11)->PrimaryColor));
        QVERIFY(same(rec(c, 2)->SecondaryColor, rec(c, 11)->SecondaryColor));
        QVERIFY(same(rec(c, 2)->Keywords, rec(c, 11)->Keywords));
        QVERIFY(same(rec(c, 2)->PrimaryColorDesc, rec(c, 11)->PrimaryColorDesc));
        QVERIFY(!same(rec(c, 2)->SecondaryColorDesc, rec(c, 11)->SecondaryColorDesc));
        for (auto field : {&CatalogueRecord::PrimaryColor, &CatalogueRecord::PrimaryColorDesc,
                           &CatalogueRecord::SecondaryColor, &CatalogueRecord::SecondaryColorDesc,
                           &CatalogueRecord::Keywords}) {
            QVERIFY(same(rec(c, 4)->*field, rec(c, 22)->*field));
        }
        // One stored "NA" and one copy of each pooled description across records.
        QVERIFY(same(rec(c, 1)->SecondaryColorDesc, rec(c, 8)->PrimaryColorDesc));
        QVERIFY(same(rec(c, 3)->SecondaryColorDesc, rec(c, 7)->SecondaryColorDesc));
        QVERIFY(same(rec(c, 6)->SecondaryColorDesc, rec(c, 2)->PrimaryColorDesc));
        QVERIFY(same(rec(c, 9)->PrimaryColorDesc, rec(c, 2)->SecondaryColorDesc));
        QVERIFY(same(rec(c, 9)->SecondaryColorDesc, rec(c, 1)->PrimaryColorDesc));
        QVERIFY(same(rec(c, 5)->PrimaryColorDesc, rec(c, 4)->SecondaryColorDesc));
    }
    // Across categories every color column is the very same text, but for the line of 7.
    for (std::int16_t n : CatalogueNumbers) {
        for (auto field : {&CatalogueRecord::NumberCaption, &CatalogueRecord::PrimaryColor,
                           &CatalogueRecord::PrimaryColorDesc, &CatalogueRecord::SecondaryColorDesc,
                           &CatalogueRecord::Keywords}) {
            QVERIFY(same(rec(LJ, n)->*field, rec(S, n)->*field));
            QVERIFY(same(rec(S, n)->*field, rec(P, n)->*field));
        }
        if (n != 7)
            QVERIFY(same(rec(LJ, n)->SecondaryColor, rec(P, n)->SecondaryColor));
    }
    QVERIFY(same(rec(S, 7)->SecondaryColor, rec(P, 7)->SecondaryColor));
    QVERIFY(!same(rec(LJ, 7)->SecondaryColor, rec(P, 7)->SecondaryColor));
}

void TestCatalogue::onlyTheCatalogueNumbersHaveRecords()
{
    const std::set<int> numbers(CatalogueNumbers.begin(), CatalogueNumbers.end());
    for (ReadingCategory category : ReadingCategories) {
        for (int n = INT16_MIN; n <= INT16_MAX; ++n) {
            const bool has = FindCatalogueRecord(category, static_cast<std::int16_t>(n)) != nullptr;
            if (has != (numbers.count(n) == 1))
                QFAIL(qPrintable(QStringLiteral("number %1").arg(n)));
        }
    }
}

void TestCatalogue::decidesWhatATabShows_data()
{
    QTest::addColumn<ReadingCategory>("category");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("branch");

    const auto LJ = ReadingCategory::LifeJourney;
    const auto S = ReadingCategory::Soul;
    const auto P = ReadingCategory::Personality;
    QTest::newRow("Life Journey 0") << LJ << 0 << "zero";
    QTest::newRow("Soul 0") << S << 0 << "zero";
    QTest::newRow("Personality 0 shows 7") << P << 0 << "seven";
    for (ReadingCategory c : ReadingCategories) {
        for (int n : {1, 5, 7, 8, 11, 22}) {
            const QByteArray name = QByteArray(CategoryName(c)) + ' ' + QByteArray::number(n);
            QTest::newRow(name.constData()) << c << n << "record";
        }
        for (int n : {10, 33, -1, 32767, -32768, 12}) {
            const QByteArray name
                = QByteArray(CategoryName(c)) + " no record " + QByteArray::number(n);
            QTest::newRow(name.constData()) << c << n << "nothing";
        }
    }
}

void TestCatalogue::decidesWhatATabShows()
{
    QFETCH(ReadingCategory, category);
    QFETCH(int, number);
    QFETCH(QString, branch);

    const TabFill fill = DecideTabFill(category, static_cast<std::int16_t>(number));
    const QString intro = Str(CategoryIntro(category));

    if (branch == u"zero") {
        QCOMPARE(fill.NumberCaption, std::optional<std::string_view>("0"));
        QVERIFY(fill.PrimaryColor && fill.PrimaryColor->empty());
        QVERIFY(fill.SecondaryColor && fill.SecondaryColor->empty());
        QVERIFY(fill.Keywords && fill.Keywords->empty());
        QVERIFY(!fill.PrimaryColorDesc && !fill.SecondaryColorDesc);
        QVERIFY(!fill.PrimaryPicture && !fill.SecondaryPicture);
        QVERIFY(fill.Interpretation.empty());
        QCOMPARE(Str(fill.InterpretationText), intro + u"\r\n\r\n");
        return;
    }
    if (branch == u"nothing") {
        QVERIFY(!fill.NumberCaption && !fill.PrimaryColor && !fill.PrimaryColorDesc);
        QVERIFY(!fill.PrimaryPicture && !fill.SecondaryPicture && !fill.SecondaryColorDesc);
        QVERIFY(!fill.SecondaryColor && !fill.Keywords);
        QCOMPARE(Str(fill.InterpretationText), intro + u"\r\n\r\n");
        return;
    }
    const int shown = branch == u"seven" ? 7 : number;
    const CatalogueRecord *record = FindCatalogueRecord(category, static_cast<std::int16_t>(shown));
    QVERIFY(record);
    QCOMPARE(Str(*fill.NumberCaption), QString::number(shown));
    QCOMPARE(fill.PrimaryColor->data(), record->PrimaryColor.data());
    QCOMPARE(fill.PrimaryColorDesc->data(), record->PrimaryColorDesc.data());
    QCOMPARE(*fill.PrimaryPicture, record->PrimaryPicture);
    QCOMPARE(*fill.SecondaryPicture, record->SecondaryPicture);
    QCOMPARE(fill.SecondaryColorDesc->data(), record->SecondaryColorDesc.data());
    QCOMPARE(fill.SecondaryColor->data(), record->SecondaryColor.data());
    QCOMPARE(fill.Keywords->data(), record->Keywords.data());
    QCOMPARE(Str(fill.InterpretationText), intro + u"\r\n\r\n" + Str(record->Interpretation));
    if (branch == u"seven") {
        QCOMPARE(Str(*fill.PrimaryColor), u"Violet");
        QCOMPARE(Str(*fill.SecondaryColor), u"Pearl, Magenta");
        QCOMPARE(Str(*fill.Keywords), u"Inner Work, Vision, Spirituality");
        QCOMPARE(*fill.PrimaryPicture, 11);
        QCOMPARE(*fill.SecondaryPicture, 6);
        QCOMPARE(Str(*fill.SecondaryColorDesc), u"NA");
    }
}

void TestCatalogue::composesIntroBlankLineInterpretation()
{
    const std::string text = ComposeInterpretationText(ReadingCategory::Soul, "Body.");
    const std::string_view intro = CategoryIntro(ReadingCategory::Soul);
    QCOMPARE(text.size(), intro.size() + 4 + 5);
    QCOMPARE(std::string_view(text).substr(0, intro.size()), intro);
    QCOMPARE(text.substr(intro.size(), 4), std::string("\r\n\r\n"));
    QCOMPARE(text.substr(intro.size() + 4), std::string("Body."));
    QCOMPARE(ComposeInterpretationText(ReadingCategory::Personality, {}),
             std::string(CategoryIntro(ReadingCategory::Personality)) + "\r\n\r\n");
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
