#include "uitesting.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>
#include <QWindow>
#include <app/application.h>
#include <app/cobrand.h>
#include <app/updatereminder.h>
#include <catalogue/catalogue.h>
#include <memory>
#include <random>
#include <reading/swatches.h>
#include <web/pages.h>
#include <windows/aboutwindow.h>
#include <windows/captions.h>
#include <windows/look.h>
#include <windows/mainwindow.h>
#include <windows/resultswindow.h>
#include <windows/supportwindow.h>

using namespace vorn;

Q_DECLARE_METATYPE(QAccessible::Role)
using namespace Qt::StringLiterals;
using vorn::testing::LinkRecorder;
using vorn::testing::MessageBoxAnswerer;

namespace {

void ProcessDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget *Find(const char *window)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(window))
            return w;
    }
    return nullptr;
}

template<typename T>
T *Control(const char *window, const char *name)
{
    return child<T>(Find(window), name);
}

} // namespace

class TestApplication : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void firstStartAsksNothingAndShowsTheInputWindow();
    void coBrandDrawKeepsItsBoundaries_data();
    void coBrandDrawKeepsItsBoundaries();
    void coBrandFavorsTheFullBrandSevenTimesInTwelve();
    void startUpBringsTheDrawnOfferToTheFront_data();
    void startUpBringsTheDrawnOfferToTheFront();
    void secondCopyIsTurnedAway();
    void readingShowsAllThreeTabsFieldByField_data();
    void readingShowsAllThreeTabsFieldByField();
    void twoReadingsInARowShowOnlyTheSecond();
    void backKeepsTheEntries();
    void everyLinkOpensExactlyItsPage_data();
    void everyLinkOpensExactlyItsPage();
    void screenReadersHearWhatEyesSee_data();
    void screenReadersHearWhatEyesSee();
    void keepsTheDesignedColorsOnADarkDesktop();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void aboutIsModalAndClosesWithEnterEscOrOk_data();
    void aboutIsModalAndClosesWithEnterEscOrOk();
    void leavingTheInputWindowShowsTheSupportWindow_data();
    void leavingTheInputWindowShowsTheSupportWindow();
    void closingTheResultsWindowShowsTheSupportWindow();
    void closingTheSupportWindowEndsTheProgram_data();
    void closingTheSupportWindowEndsTheProgram();
    void reminderAsksAtFifteenDaysEitherWay_data();
    void reminderAsksAtFifteenDaysEitherWay();
    void checkForUpdateLeavesTheStoredDateAlone();
    void savesTheReadingAsAPdf_data();
    void savesTheReadingAsAPdf();
    void copiesTheReadingAsText();
    void printsThroughThePlatformsPrintDialog();

private:
    void start(double u = 0.99);
    void inWindow(const QString &window, const std::function<void(QWidget *)> &check);
    void readingOf(const QString &first, const QString &middle, const QString &last, int day,
                   int month, int year);
    QString storedDate() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<Application> m_app;
    QDate m_today{2026, 12, 7};
    QList<int> m_exits;
    QString m_programFolder;
};

void TestApplication::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_settings
        = std::make_unique<QSettings>(m_dir->filePath(u"settings.conf"_s), QSettings::IniFormat);
    m_exits.clear();
    m_programFolder.clear();
}

void TestApplication::cleanup()
{
    m_app.reset();
    ProcessDeferredDeletes();
    m_settings.reset();
    m_dir.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty()
            || std::none_of(QApplication::topLevelWidgets().cbegin(),
                            QApplication::topLevelWidgets().cend(),
                            [](QWidget *w) { return w->objectName().startsWith(u"frm"); }));
}

void TestApplication::start(double u)
{
    Application::Environment env;
    env.settings = m_settings.get();
    env.lockPath = m_dir->filePath(u"instance.lock"_s);
    env.today = m_today;
    env.uniform = [u] { return u; };
    env.exit = [this](int code) { m_exits << code; };
    env.programFolder = m_programFolder;
    m_app = std::make_unique<Application>(env);
    QVERIFY(m_app->startUpSequence());
    QVERIFY(QTest::qWaitForWindowActive(m_app->mainWindow()));
}

void TestApplication::readingOf(const QString &first, const QString &middle, const QString &last,
                                int day, int month, int year)
{
    auto *firstBox = Control<QLineEdit>("frmMain", "txtFirstName");
    firstBox->setFocus();
    firstBox->selectAll();
    QTest::keyClicks(firstBox, first);
    Control<QLineEdit>("frmMain", "txtMiddleName")->setText(middle);
    Control<QLineEdit>("frmMain", "txtLastName")->setText(last);
    Control<QComboBox>("frmMain", "cboDate")->setCurrentIndex(day - 1);
    Control<QComboBox>("frmMain", "cboMonth")->setCurrentIndex(month - 1);
    Control<QComboBox>("frmMain", "cboYear")->setCurrentIndex(year - 1900);
    QTest::mouseClick(Control<QPushButton>("frmMain", "cmdNext"), Qt::LeftButton);
}

// Brings the window named on the screen as a user would and runs check on it; the About window,
// modal, is checked while it is open.
void TestApplication::inWindow(const QString &window, const std::function<void(QWidget *)> &check)
{
    if (window == u"frmMain") {
        check(m_app->mainWindow());
    } else if (window == u"frmDisplay") {
        readingOf(u"JOHN"_s, QString(), u"SMITH"_s, 29, 11, 1999);
        check(m_app->resultsWindow());
    } else if (window == u"frmNagScreen2") {
        Control<QAction>("frmMain", "mnuExit")->trigger();
        QVERIFY(m_app->supportWindow()->isVisible());
        check(m_app->supportWindow());
    } else {
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            auto *about = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(about);
            QCOMPARE(about->objectName(), u"frmAbout");
            check(about);
            checked = true;
            about->reject();
        });
        Control<QAction>("frmMain", "mnuAbout")->trigger();
        QVERIFY(checked);
    }
}

QString TestApplication::storedDate() const
{
    return m_settings->value(u"Settings/Duration"_s).toString();
}

void TestApplication::firstStartAsksNothingAndShowsTheInputWindow()
{
    MessageBoxAnswerer answerer;
    start();
    QVERIFY(answerer.seen.isEmpty());
    QCOMPARE(storedDate(), u"2026-12-07");
    QVERIFY(m_app->mainWindow()->isVisible());
    QVERIFY(!m_app->supportWindow());
    QVERIFY(!m_app->resultsWindow());
    QCOMPARE(QApplication::focusWidget()->objectName(), u"txtFirstName");
}

void TestApplication::coBrandDrawKeepsItsBoundaries_data()
{
    QTest::addColumn<double>("u");
    QTest::addColumn<int>("r");
    QTest::addColumn<bool>("cobrand");

    QTest::newRow("0") << 0.0 << 1 << true;
    QTest::newRow("just under 1/12") << 1.0 / 12 - 1e-12 << 1 << true;
    QTest::newRow("1/12 is a half, to even 2") << 1.0 / 12 << 2 << false;
    QTest::newRow("3/12 is a half, to even 2") << 0.25 << 2 << false;
    QTest::newRow("just over 3/12") << 0.25 + 1e-12 << 3 << true;
    QTest::newRow("5/12 is a half, to even 4") << 5.0 / 12 << 4 << false;
    QTest::newRow("just under 9/12") << 0.75 - 1e-12 << 5 << true;
    QTest::newRow("9/12 is a half, to even 6") << 0.75 << 6 << false;
    QTest::newRow("just over 11/12") << 11.0 / 12 + 1e-12 << 7 << false;
    QTest::newRow("just under 1") << std::nextafter(1.0, 0.0) << 7 << false;
}

void TestApplication::coBrandDrawKeepsItsBoundaries()
{
    QFETCH(double, u);
    QFETCH(int, r);
    QFETCH(bool, cobrand);
    QCOMPARE(coBrandDraw(u), r);
    QCOMPARE(coBrandChoice(r) == OfferInFront::CoBrand, cobrand);
    QCOMPARE(coBrandChoice(r) == OfferInFront::AsDesigned, r == 7);
}

void TestApplication::coBrandFavorsTheFullBrandSevenTimesInTwelve()
{
    std::mt19937 random(20261207);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    const int draws = 240000;
    int cobrand = 0;
    for (int i = 0; i < draws; ++i)
        cobrand += coBrandChoice(coBrandDraw(uniform(random))) == OfferInFront::CoBrand;
    const double share = double(cobrand) / draws;
    QVERIFY2(qAbs(share - 5.0 / 12) < 0.005, qPrintable(QString::number(share)));
}

void TestApplication::startUpBringsTheDrawnOfferToTheFront_data()
{
    QTest::addColumn<double>("u");
    QTest::addColumn<QString>("front");
    QTest::newRow("r 1") << 0.0 << "lblCobrand";
    QTest::newRow("r 2") << 0.2 << "lblFullBrand";
    QTest::newRow("r 3") << 0.3 << "lblCobrand";
    QTest::newRow("r 7") << 0.99 << "lblFullBrand";
}

void TestApplication::startUpBringsTheDrawnOfferToTheFront()
{
    QFETCH(double, u);
    QFETCH(QString, front);
    start(u);
    QWidget *frame = Control<QWidget>("frmMain", "fraFullBrand");
    QCOMPARE(frame->childAt(20, 20)->objectName(), front);
}

void TestApplication::secondCopyIsTurnedAway()
{
    start();
    Application::Environment env;
    env.settings = m_settings.get();
    env.lockPath = m_dir->filePath(u"instance.lock"_s);
    env.today = m_today;
    QList<int> exits;
    env.exit = [&exits](int code) { exits << code; };
    MessageBoxAnswerer answerer;
    {
        Application second(env);
        QVERIFY(!second.startUpSequence());
        QVERIFY(!second.mainWindow());
        QCOMPARE(second.state(), Application::State::Ended);
    }
    QCOMPARE(exits, QList<int>{0});
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].text, u"Application is already running");
    QCOMPARE(answerer.seen[0].icon, QMessageBox::Information);
    QCOMPARE(answerer.seen[0].title, u"Vorn Color Numerology");
    QCOMPARE(answerer.seen[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(answerer.seen[0].windowIcon);
    // Room for the whole title in a window manager's title bar, beside its icon and buttons.
    QFont titleBar = QApplication::font();
    titleBar.setBold(true);
    titleBar.setPointSizeF(titleBar.pointSizeF() * 1.2);
    QVERIFY(answerer.seen[0].width
            > QFontMetrics(titleBar).horizontalAdvance(answerer.seen[0].title) + 100);
    // The first copy is left as it was.
    QVERIFY(m_app->mainWindow()->isVisible());
    QVERIFY(m_app->state() != Application::State::Ended);
}

void TestApplication::readingShowsAllThreeTabsFieldByField_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("lifeJourney");
    QTest::addColumn<int>("soul");
    QTest::addColumn<int>("personality");

    QTest::newRow("john smith 29 November 1999") << "john"
                                                 << "SMITH" << 29 << 11 << 1999 << 5 << 6 << 2;
    QTest::newRow("MARY LEE 9 September 1993") << "mary"
                                               << "LEE" << 9 << 9 << 1993 << 22 << 11 << 5;
    QTest::newRow("JOHN EMMA 2 February 1987") << "john"
                                               << "EMMA" << 2 << 2 << 1987 << 11 << 3 << 22;
    QTest::newRow("Soul 0: no vowel, no Y") << "brr"
                                            << "KLM" << 1 << 1 << 1900 << 3 << 0 << 2;
    QTest::newRow("Personality 0 shows 7") << "aeiou"
                                           << "AEIOU" << 31 << 12 << 2050 << 5 << 3 << 0;
}

void TestApplication::readingShowsAllThreeTabsFieldByField()
{
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, lifeJourney);
    QFETCH(int, soul);
    QFETCH(int, personality);

    start();
    readingOf(first, QString(), last, day, month, year);

    QVERIFY(m_app->resultsWindow());
    QVERIFY(m_app->resultsWindow()->isVisible());
    QVERIFY(!m_app->mainWindow()->isVisible());
    QVERIFY(m_app->supportWindow()); // loaded by the reading,
    QVERIFY(!m_app->supportWindow()->isVisible()); // but out of sight
    QCOMPARE(Control<QTabWidget>("frmDisplay", "SSTab1")->currentIndex(), 2);

    struct Expect
    {
        ReadingCategory category;
        int number;
        const char *prefix;
        const char *box;
    };
    const Expect tabs[] = {
        {ReadingCategory::LifeJourney, lifeJourney, "LifeJourney", "txtLifeJourneyNumberDisplay"},
        {ReadingCategory::Soul, soul, "Soul", "txtSoulUrgeNumberDisplay"},
        {ReadingCategory::Personality, personality, "Personality", "txtPersonalityNumberDisplay"},
    };
    for (const Expect &tab : tabs) {
        auto label = [&tab](const char *field) {
            const QByteArray name = "lbl" + QByteArray(tab.prefix) + field;
            return Control<QLabel>("frmDisplay", name.constData())->text();
        };
        auto desc = [&tab](const char *field) {
            const QByteArray name = "txt" + QByteArray(tab.prefix) + field;
            return Control<QPlainTextEdit>("frmDisplay", name.constData())->toPlainText();
        };
        const QString intro = Str(CategoryIntro(tab.category));
        const QString box = Control<QPlainTextEdit>("frmDisplay", tab.box)->toPlainText();
        if (tab.number == 0 && tab.category != ReadingCategory::Personality) {
            QCOMPARE(label("Number"), u"0");
            QCOMPARE(label("PrimaryColor"), QString());
            QCOMPARE(label("Keywords"), QString());
            QCOMPARE(desc("PrimaryColorDesc"), QString());
            QCOMPARE(box, intro + u"\n\n");
            continue;
        }
        const int shown = tab.number == 0 ? 7 : tab.number;
        const CatalogueRecord *record
            = FindCatalogueRecord(tab.category, static_cast<std::int16_t>(shown));
        QVERIFY(record);
        QCOMPARE(label("Number"), QString::number(shown));
        QCOMPARE(label("PrimaryColor"), Str(record->PrimaryColor));
        QCOMPARE(label("SecondaryColor"), Str(record->SecondaryColor));
        QCOMPARE(label("Keywords"), Str(record->Keywords));
        QCOMPARE(desc("PrimaryColorDesc"), Str(record->PrimaryColorDesc));
        QCOMPARE(desc("SecondaryColorDesc"), Str(record->SecondaryColorDesc));
        QCOMPARE(box, intro + u"\n\n" + Str(record->Interpretation));
        const QByteArray pic = "pic" + QByteArray(tab.prefix) + "PrimaryColor";
        QCOMPARE(Control<QLabel>("frmDisplay", pic.constData())->pixmap().toImage(),
                 swatch(record->PrimaryPicture).toImage());
    }
}

void TestApplication::twoReadingsInARowShowOnlyTheSecond()
{
    start();
    readingOf(u"john"_s, QString(), u"SMITH"_s, 29, 11, 1999);
    QPointer<ResultsWindow> firstWindow = m_app->resultsWindow();
    QTest::mouseClick(Control<QPushButton>("frmDisplay", "cmdback"), Qt::LeftButton);
    QVERIFY(!m_app->resultsWindow());
    // Back and Next in one turn of the loop: the second reading has a window of its own.
    readingOf(u"mary"_s, QString(), u"LEE"_s, 9, 9, 1993);
    ProcessDeferredDeletes();
    QVERIFY(firstWindow.isNull());
    QVERIFY(m_app->resultsWindow() && m_app->resultsWindow()->isVisible());
    QCOMPARE(Control<QLabel>("frmDisplay", "lblLifeJourneyNumber")->text(), u"22");
    QCOMPARE(Control<QLabel>("frmDisplay", "lblSoulNumber")->text(), u"11");
    QCOMPARE(Control<QLabel>("frmDisplay", "lblPersonalityNumber")->text(), u"5");
    QCOMPARE(Control<QTabWidget>("frmDisplay", "SSTab1")->currentIndex(), 2);
    const QString box
        = Control<QPlainTextEdit>("frmDisplay", "txtSoulUrgeNumberDisplay")->toPlainText();
    QCOMPARE(box.count(Str(CategoryIntro(ReadingCategory::Soul))), 1);
    int visibleDisplays = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        visibleDisplays += w->objectName() == u"frmDisplay";
    QCOMPARE(visibleDisplays, 1);
}

void TestApplication::backKeepsTheEntries()
{
    start();
    readingOf(u"anne-marie"_s, u" PAUL "_s, u"O'NEIL"_s, 19, 10, 1981);
    QTest::mouseClick(Control<QPushButton>("frmDisplay", "cmdback"), Qt::LeftButton);
    ProcessDeferredDeletes();

    QVERIFY(m_app->mainWindow()->isVisible());
    QVERIFY(m_app->supportWindow());
    QVERIFY(!m_app->supportWindow()->isVisible());
    QVERIFY(m_app->state() != Application::State::Ended);
    const ReadingEntries entries = m_app->mainWindow()->entries();
    QCOMPARE(entries.firstName, u"ANNE-MARIE");
    QCOMPARE(entries.middleName, u" PAUL ");
    QCOMPARE(entries.lastName, u"O'NEIL");
    QCOMPARE(entries.day, u"19");
    QCOMPARE(entries.month, u"October");
    QCOMPARE(entries.year, u"1981");

    // Next with the same entries gives the same reading again.
    QTest::mouseClick(Control<QPushButton>("frmMain", "cmdNext"), Qt::LeftButton);
    QCOMPARE(Control<QLabel>("frmDisplay", "lblLifeJourneyNumber")->text(), u"3");
    QCOMPARE(Control<QLabel>("frmDisplay", "lblSoulNumber")->text(), u"9");
}

void TestApplication::everyLinkOpensExactlyItsPage_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("url");

    const QString maker = u"http://"_s + makerHost();
    const QString help = u"http://"_s + helpHost();
    const QString product = u"http://"_s + productHost();
    auto row = [](const char *window, const char *control, const QString &url) {
        QTest::newRow(qPrintable(QLatin1String(window) + u' ' + QLatin1String(control)))
            << QString::fromLatin1(window) << QString::fromLatin1(control) << url;
    };
    row("frmMain", "mnuOnline", product + u"/vorn-free-color-numerology-help.html");
    row("frmMain", "mnuVisit", maker);
    row("frmMain", "mnuUpdate", product + u"/download-vorn-free-color-numerology.html");
    row("frmMain", "mnuDonate", help + u"/donate.html");
    row("frmMain", "mkmoney", help + u"/fully-branded.html");
    row("frmMain", "Label2", help + u"/fully-branded.html");
    row("frmMain", "Label61", maker);
    row("frmMain", "lblCobrand", help + u"/co-brand.html");
    row("frmMain", "lblFullBrand", help + u"/fully-branded.html");
    row("frmDisplay", "Label61", maker);
    row("frmDisplay", "lblCobrand", help + u"/co-brand.html");
    row("frmDisplay", "lblFullBrand", help + u"/fully-branded.html");
    row("frmAbout", "lblCoBrand", help + u"/fully-branded.html");
    row("frmAbout", "lblHomePage", maker);
    row("frmNagScreen2", "lblGoToHome", maker + u"/lorewellsoftwares");
    row("frmNagScreen2", "Check1", maker);
}

void TestApplication::everyLinkOpensExactlyItsPage()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, url);

    start();
    LinkRecorder links;
    inWindow(window, [&control](QWidget *top) {
        if (auto *action = top->findChild<QAction *>(control)) {
            action->trigger();
            return;
        }
        auto *widget = top->findChild<QWidget *>(control);
        QVERIFY(widget);
        widget->raise();
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, widget->height() / 2));
        QVERIFY(top->isVisible()); // the link leaves its window open
        if (auto *box = qobject_cast<QCheckBox *>(widget))
            QVERIFY(!box->isChecked());
    });
    QCOMPARE(links.opened, QList<QUrl>{QUrl(url)});
    QCOMPARE(links.opened.first().toString(), url);
}

void TestApplication::screenReadersHearWhatEyesSee_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control"); // empty: the window itself
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("labelledBy"); // the caption that names the value, if any
    QTest::addColumn<QString>("opens"); // the page its press action opens, if it has one
    QTest::addColumn<QString>("description"); // what it says besides, and shows as its tooltip

    const QString maker = u"http://"_s + makerHost();
    const QString help = u"http://"_s + helpHost();
    const QString title = u"Vorn Color Numerology v1.0"_s;
    auto row = [](const char *window, const char *control, QAccessible::Role role,
                  const QString &name, const char *labelledBy = "", const QString &opens = {},
                  const QString &description = {}) {
        QTest::newRow(qPrintable(QLatin1String(window) + u' ' + QLatin1String(control)))
            << QString::fromLatin1(window) << QString::fromLatin1(control) << role << name
            << QString::fromLatin1(labelledBy) << opens << description;
    };
    using A = QAccessible;
    row("frmMain", "", A::Window, title);
    row("frmMain", "txtFirstName", A::EditableText, u"First Name"_s, "First Name");
    row("frmMain", "txtMiddleName", A::EditableText, u"Middle Name"_s, "Middle Name");
    row("frmMain", "txtLastName", A::EditableText, u"Last Name"_s, "Last Name");
    row("frmMain", "fraBirthDay", A::Grouping, u"Date Of Birth"_s,
        "Please Fill In The Below Details:");
    // A pick list's name is its value; what it is for is its label.
    row("frmMain", "cboMonth", A::ComboBox, u"January"_s, "Birth Month");
    row("frmMain", "cboDate", A::ComboBox, u"1"_s, "Birth Day");
    row("frmMain", "cboYear", A::ComboBox, u"1900"_s, "Birth Year");
    row("frmMain", "cmdNext", A::Button, u"Next"_s, "Date Of Birth");
    row("frmMain", "Label61", A::Link, discussionBoardBanner(), "", maker);
    row("frmMain", "lblFullBrand", A::Link, fullBrandCaption(), "", help + u"/fully-branded.html");
    row("frmDisplay", "", A::Window, title);
    // A number says how it was found.
    row("frmDisplay", "lblLifeJourneyNumber", A::StaticText, u"5"_s, "Life Journey Number", {},
        u"Day 29: 2 + 9 = 11, then 1 + 1 = 2 (only a grand total of exactly 11 or 22 is kept "
        u"unreduced). Month 11 (November): 1 + 1 = 2. Year 1999: 1 + 9 + 9 + 9 = 28, then 2 + "
        u"8 = 10 (the year's digits are added, then that sum's digits, and no further, so 1999 counts as 10, not 1). Grand total: 2 + 2 + 10 = 14, then 1 + 4 = 5."_s);
    row("frmDisplay", "lblSoulPrimaryColor", A::StaticText, u"Indigo"_s, "Primary Color");
    row("frmDisplay", "lblPersonalitySecondaryColor", A::StaticText,
        u"Gold, Salmon, Garnet, Black"_s, "Secondary Color");
    row("frmDisplay", "lblLifeJourneyKeywords", A::StaticText, u"Growth, Patience, Tranquility"_s,
        "Keywords");
    row("frmDisplay", "picLifeJourneyPrimaryColor", A::Graphic, u"Blue"_s);
    row("frmDisplay", "picLifeJourneySecondaryColor", A::Graphic, u"Pink, Cherry"_s);
    row("frmDisplay", "lblPersonalityNumber", A::StaticText, u"2"_s, "Personality Number", {},
        u"Consonants: J 1 + H 8 + N 5 + S 1 + M 4 + T 2 + H 8 = 29, then 2 + 9 = 11, then 1 + 1 "
        u"= 2 (only a total of exactly 11 or 22 is kept unreduced)."_s);
    row("frmDisplay", "txtSoulPrimaryColorDesc", A::EditableText, u"Primary Color Description"_s);
    row("frmDisplay", "txtPersonalitySecondaryColorDesc", A::EditableText,
        u"Secondary Color Description"_s);
    row("frmDisplay", "txtLifeJourneyNumberDisplay", A::EditableText, u"Interpretation"_s,
        "Interpretation");
    row("frmDisplay", "cmdback", A::Button, u"Back"_s);
    row("frmDisplay", "lblCobrand", A::Link, coBrandCaption(), "", help + u"/co-brand.html");
    row("frmNagScreen2", "", A::Window, title);
    row("frmNagScreen2", "txtName", A::EditableText, u"Your Name"_s, "Refer A Friend");
    row("frmNagScreen2", "txtEmail", A::EditableText, u"Your Email Address"_s, "Refer A Friend");
    row("frmNagScreen2", "txtFriendName", A::EditableText, u"Friend's Name"_s, "Refer A Friend");
    row("frmNagScreen2", "txtFriendEmail", A::EditableText, u"Friend's Email Address"_s,
        "Refer A Friend");
    row("frmNagScreen2", "txtMessage", A::EditableText, u"Your Message"_s, "Refer A Friend");
    row("frmNagScreen2", "Check1", A::Link, u"Click Here To Visit Lorewell Now"_s, "", maker);
    row("frmNagScreen2", "lblGoToHome", A::Link, u"Click Here To Visit Lorewell Softwares"_s,
        "Download Lorewell Softwares", maker + u"/lorewellsoftwares");
    row("frmAbout", "", A::Dialog, title);
    row("frmAbout", "lblCoBrand", A::Link, u" Click here for more details."_s, "",
        help + u"/fully-branded.html");
    row("frmAbout", "cmdOK", A::Button, u"OK"_s);
}

void TestApplication::screenReadersHearWhatEyesSee()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QFETCH(QString, labelledBy);
    QFETCH(QString, opens);
    QFETCH(QString, description);

    start();
    LinkRecorder links;
    inWindow(window, [&](QWidget *top) {
        QWidget *target = control.isEmpty() ? top : top->findChild<QWidget *>(control);
        QVERIFY(target);
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(target);
        QVERIFY(spoken);
        QCOMPARE(spoken->role(), role);
        QCOMPARE(spoken->text(QAccessible::Name), name);
        QCOMPARE(spoken->text(QAccessible::Description), description);
        QTextDocument tip;
        tip.setHtml(target->toolTip());
        // Sums are held on one line by no-break spaces.
        QCOMPARE(tip.toPlainText().replace(QChar::Nbsp, u' ').trimmed(), description);
        const auto labels = spoken->relations(QAccessible::Label);
        QCOMPARE(labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name),
                 labelledBy);
        if (!opens.isEmpty()) {
            QAccessibleActionInterface *actions = spoken->actionInterface();
            QVERIFY(actions);
            QCOMPARE(actions->actionNames().value(0), QAccessibleActionInterface::pressAction());
            actions->doAction(QAccessibleActionInterface::pressAction());
            if (auto *box = qobject_cast<QCheckBox *>(target))
                QVERIFY(!box->isChecked());
        }
    });
    QCOMPARE(links.opened, opens.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(opens)});
}

void TestApplication::keepsTheDesignedColorsOnADarkDesktop()
{
    setUpApplicationLook(); // as at start-up
    // Every widget of the four windows, a message box and the results window's menu, with its
    // text color on its background.
    auto colors = [] {
        QStringList seen;
        MainWindow main;
        ResultsWindow results;
        AboutWindow about;
        SupportWindow support(0);
        QMessageBox box(QMessageBox::Information, applicationTitle(), u"Message"_s);
        box.setObjectName(u"message"_s);
        for (QComboBox *list : main.findChildren<QComboBox *>()) {
            list->showPopup(); // its pop-up list, made and colored when first shown
            list->hidePopup();
        }
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        QApplication::sendEvent(results.findChild<QTabBar *>(), &menuKey);
        QWidget *menu = QApplication::activePopupWidget();
        if (!menu)
            return QStringList{u"no menu"_s};
        QToolTip::showText(QPoint(10, 10), u"How the number was found"_s, &results);
        QWidget *tip = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            tip = w->inherits("QTipLabel") ? w : tip;
        if (!tip)
            return QStringList{u"no tooltip"_s};
        for (QWidget *window :
             std::initializer_list<QWidget *>{&main, &results, &about, &support, &box, menu, tip}) {
            window->ensurePolished(); // as before it is first drawn
            const QList<QWidget *> widgets = window->findChildren<QWidget *>() << window;
            for (QWidget *w : widgets) {
                const QPalette p = w->palette();
                seen << window->objectName() + u'/' + w->objectName() + u' '
                        + p.color(w->foregroundRole()).name() + u" on "
                        + p.color(w->backgroundRole()).name() + u' '
                        + p.color(QPalette::Text).name() + u" on " + p.color(QPalette::Base).name();
            }
        }
        menu->close();
        QToolTip::hideText();
        return seen;
    };
    const QStringList light = colors();
    const QPalette desktop = QApplication::palette();
    QPalette dark(QColor(53, 53, 53), QColor(42, 42, 42));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, Qt::white);
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    QApplication::setPalette(dark);
    const QStringList onDark = colors();
    QApplication::setPalette(desktop);
    QCOMPARE(onDark.size(), light.size());
    for (qsizetype i = 0; i < light.size(); ++i)
        QCOMPARE(onDark.at(i), light.at(i));
}

void TestApplication::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::newRow("Next, Return") << "cmdNext" << int(Qt::Key_Return);
    QTest::newRow("Back, Enter") << "cmdback" << int(Qt::Key_Enter);
    QTest::newRow("Refer A Friend Now, Return") << "cmdSubmit" << int(Qt::Key_Return);
    QTest::newRow("Exit, Enter") << "cmdClose" << int(Qt::Key_Enter);
}

void TestApplication::enterPressesTheFocusedButton()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    start();
    MessageBoxAnswerer answerer;
    Control<QLineEdit>("frmMain", "txtFirstName")->setText(u"JOHN"_s);
    Control<QLineEdit>("frmMain", "txtLastName")->setText(u"SMITH"_s);
    if (button != u"cmdNext") {
        QTest::mouseClick(Control<QPushButton>("frmMain", "cmdNext"), Qt::LeftButton);
        if (button != u"cmdback")
            m_app->resultsWindow()->close(); // to the support window
    }
    QWidget *top = button == u"cmdNext" ? static_cast<QWidget *>(m_app->mainWindow())
        : button == u"cmdback"          ? static_cast<QWidget *>(m_app->resultsWindow())
                                        : static_cast<QWidget *>(m_app->supportWindow());
    auto *pressed = top->findChild<QPushButton *>(button);
    pressed->setFocus();
    QTest::keyClick(pressed, Qt::Key(key));

    const Application::State after[] = {Application::State::Results, Application::State::Input,
                                        Application::State::Leaving, Application::State::Ended};
    const int which
        = QStringList{u"cmdNext"_s, u"cmdback"_s, u"cmdSubmit"_s, u"cmdClose"_s}.indexOf(button);
    QCOMPARE(m_app->state(), after[which]);
    QCOMPARE(answerer.texts(),
             which == 2 ? QStringList{u"Please Enter Proper Email Address"_s} : QStringList());
}

void TestApplication::aboutIsModalAndClosesWithEnterEscOrOk_data()
{
    QTest::addColumn<int>("how"); // 0 Enter, 1 Esc, 2 OK, 3 close box
    QTest::newRow("Enter") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("OK") << 2;
    QTest::newRow("close box") << 3;
}

void TestApplication::aboutIsModalAndClosesWithEnterEscOrOk()
{
    QFETCH(int, how);
    start();
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
        auto *about = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(about);
        QCOMPARE(about->objectName(), u"frmAbout");
        QVERIFY(about->isModal());
        QTRY_VERIFY(about->isActiveWindow()); // the window itself, not only its owner
        QCOMPARE(about->size(), QSize(455, 256));
        QCOMPARE(about->findChild<QWidget *>(u"Line1"_s)->x(), -4); // -60 twips, to the nearest
        QCOMPARE(about->windowHandle()->transientParent(), m_app->mainWindow()->windowHandle());
        QCOMPARE(QApplication::focusWidget()->objectName(), u"cmdOK");
        QCOMPARE(about->findChild<QLabel *>(u"Label2"_s)->text(), u"Vorn Color Numerology v1.0");
        QVERIFY(about->findChild<QLabel *>(u"lblHomePage"_s)->text().endsWith(makerHost()));
        QCOMPARE(about->findChild<QLabel *>(u"lblCoBrand"_s)->text(),
                 u" Click here for more details.");
        // The input window takes no input meanwhile.
        QVERIFY(!m_app->mainWindow()->isActiveWindow());
        seen = true;
        switch (how) {
        case 0:
            QTest::keyClick(about, Qt::Key_Return);
            break;
        case 1:
            QTest::keyClick(about, Qt::Key_Escape);
            break;
        case 2:
            QTest::mouseClick(about->findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
            break;
        default:
            about->close();
        }
    });
    Control<QAction>("frmMain", "mnuAbout")->trigger();
    QVERIFY(seen);
    QVERIFY(!Find("frmAbout"));
    QVERIFY(m_app->mainWindow()->isVisible());
    QVERIFY(!m_app->supportWindow());
}

void TestApplication::leavingTheInputWindowShowsTheSupportWindow_data()
{
    QTest::addColumn<int>("how"); // 0 cmdExit, 1 mnuExit, 2 close box
    QTest::newRow("cmdExit") << 0;
    QTest::newRow("mnuExit") << 1;
    QTest::newRow("close box") << 2;
}

void TestApplication::leavingTheInputWindowShowsTheSupportWindow()
{
    QFETCH(int, how);
    start();
    QPointer<MainWindow> main = m_app->mainWindow();
    if (how == 0)
        QTest::mouseClick(Control<QPushButton>("frmMain", "cmdExit"), Qt::LeftButton);
    else if (how == 1)
        Control<QAction>("frmMain", "mnuExit")->trigger();
    else
        main->close();
    ProcessDeferredDeletes();
    QVERIFY(main.isNull());
    QVERIFY(m_app->supportWindow()->isVisible());
    QVERIFY(m_app->supportWindow()->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(m_app->state() != Application::State::Ended);
    QVERIFY(m_exits.isEmpty());
    int supports = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        supports += w->objectName() == u"frmNagScreen2";
    QCOMPARE(supports, 1);
}

void TestApplication::closingTheResultsWindowShowsTheSupportWindow()
{
    start();
    readingOf(u"JOHN"_s, QString(), u"SMITH"_s, 1, 1, 1990);
    m_app->resultsWindow()->close();
    ProcessDeferredDeletes();
    QVERIFY(!m_app->resultsWindow());
    QVERIFY(m_app->supportWindow()->isVisible());
    QVERIFY(m_app->mainWindow()); // still loaded,
    QVERIFY(!m_app->mainWindow()->isVisible()); // and does not reappear
    QVERIFY(m_app->state() != Application::State::Ended);
}

void TestApplication::closingTheSupportWindowEndsTheProgram_data()
{
    QTest::addColumn<bool>("afterReading");
    QTest::addColumn<bool>("exitButton");
    QTest::addColumn<QStringList>("unloaded"); // in this order
    const QStringList mainThenSupport{u"frmMain"_s, u"frmNagScreen2"_s};
    QTest::newRow("close box after a reading") << true << false << mainThenSupport;
    QTest::newRow("Exit after a reading") << true << true << mainThenSupport;
    // The input window was unloaded when it was left.
    QTest::newRow("close box without a reading")
        << false << false << QStringList{u"frmNagScreen2"_s};
    QTest::newRow("Exit without a reading") << false << true << QStringList{u"frmNagScreen2"_s};
    // As at the end of a desktop session, which closes even a window out of sight: the second
    // reading's window was loaded after the support window.
    QTest::newRow("support window closed out of sight")
        << true << false << QStringList{u"frmMain"_s, u"frmNagScreen2"_s, u"frmDisplay"_s};
}

void TestApplication::closingTheSupportWindowEndsTheProgram()
{
    QFETCH(bool, afterReading);
    QFETCH(bool, exitButton);
    QFETCH(QStringList, unloaded);
    start();
    if (afterReading) {
        readingOf(u"JOHN"_s, QString(), u"SMITH"_s, 1, 1, 1990);
        QTest::mouseClick(Control<QPushButton>("frmDisplay", "cmdback"), Qt::LeftButton);
        Control<QAction>("frmMain", "mnuNext")->trigger(); // a second reading, left open
    }
    const bool outOfSight = unloaded.contains(u"frmDisplay"_s);
    if (afterReading && !outOfSight)
        m_app->resultsWindow()->close(); // main stays loaded and hidden
    else if (!afterReading)
        Control<QAction>("frmMain", "mnuExit")->trigger();
    QCOMPARE(m_app->supportWindow()->isVisible(), !outOfSight);
    ProcessDeferredDeletes(); // the windows unloaded before
    QStringList freed;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName().startsWith(u"frm"))
            connect(window, &QObject::destroyed, this,
                    [&freed, name = window->objectName()] { freed << name; });
    }

    if (exitButton)
        QTest::mouseClick(Control<QPushButton>("frmNagScreen2", "cmdClose"), Qt::LeftButton);
    else
        m_app->supportWindow()->close();
    QCOMPARE(m_app->state(), Application::State::Ended);
    QCOMPARE(m_exits, QList<int>{0});
    ProcessDeferredDeletes();
    QVERIFY(!m_app->mainWindow());
    QVERIFY(!m_app->supportWindow());
    QVERIFY(!m_app->resultsWindow());
    QVERIFY(!Find("frmMain") && !Find("frmNagScreen2") && !Find("frmDisplay"));
    QCOMPARE(freed, unloaded);
}

void TestApplication::reminderAsksAtFifteenDaysEitherWay_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("storedAfter");

    const QString today = u"2026-12-07"_s;
    QTest::newRow("14 days before") << "2026-11-23" << false << false << "2026-11-23";
    QTest::newRow("14 days after") << "2026-12-21" << false << false << "2026-12-21";
    QTest::newRow("same day") << "2026-12-07" << false << false << "2026-12-07";
    QTest::newRow("15 days before, Yes") << "2026-11-22" << true << true << today;
    QTest::newRow("15 days before, No") << "2026-11-22" << true << false << today;
    QTest::newRow("15 days after, Yes") << "2026-12-22" << true << true << today;
    QTest::newRow("15 days after, No") << "2026-12-22" << true << false << today;
    QTest::newRow("a year before") << "2025-12-07" << true << false << today;
    QTest::newRow("nothing stored") << "" << false << false << today;
    QTest::newRow("not a date") << "garbage" << false << false << today;
    QTest::newRow("an impossible date") << "2026-02-30" << false << false << today;
}

void TestApplication::reminderAsksAtFifteenDaysEitherWay()
{
    QFETCH(QString, stored);
    QFETCH(bool, asks);
    QFETCH(bool, yes);
    QFETCH(QString, storedAfter);

    if (!stored.isEmpty())
        m_settings->setValue(u"Settings/Duration"_s, stored);
    LinkRecorder links;
    MessageBoxAnswerer answerer(yes ? QMessageBox::Yes : QMessageBox::No);
    QString storedWhenOpened;
    links.onOpen = [&](const QUrl &) { storedWhenOpened = storedDate(); };
    start();

    QCOMPARE(answerer.seen.size(), asks ? 1 : 0);
    if (asks) {
        const auto &question = answerer.seen.first();
        QCOMPARE(question.text, updateQuestion());
        QCOMPARE(question.text.split(u'\r'),
                 (QStringList{u"There maybe an update to this software available"_s,
                              u"Do you want to check for an update?"_s}));
        QCOMPARE(question.shownLines, 2);
        QCOMPARE(question.icon, QMessageBox::Information);
        QCOMPARE(question.title, u"Vorn Color Numerology");
        QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(question.defaultButton, QMessageBox::Yes);
    }
    QCOMPARE(storedDate(), storedAfter);
    const QList<QUrl> expected = yes ? QList<QUrl>{pageUrl(Page::DownloadPage)} : QList<QUrl>{};
    QCOMPARE(links.opened, expected);
    if (yes)
        QCOMPARE(storedWhenOpened, storedAfter); // the page opens after the date is saved
    QVERIFY(m_app->mainWindow()->isVisible());
}

void TestApplication::checkForUpdateLeavesTheStoredDateAlone()
{
    m_settings->setValue(u"Settings/Duration"_s, u"2026-12-01"_s);
    start();
    LinkRecorder links;
    Control<QAction>("frmMain", "mnuUpdate")->trigger();
    QCOMPARE(links.opened, QList<QUrl>{pageUrl(Page::DownloadPage)});
    QCOMPARE(storedDate(), u"2026-12-01");
}

void TestApplication::savesTheReadingAsAPdf_data()
{
    QTest::addColumn<QString>("file"); // as typed into the dialog
    QTest::addColumn<QString>("written"); // empty: nothing is written
    QTest::newRow("into a folder") << "saved.pdf"
                                   << "saved.pdf";
    QTest::newRow("a name without its suffix") << "myreading"
                                               << "myreading.pdf";
    QTest::newRow("into a folder that is not there") << "gone/saved.pdf" << QString();
}

void TestApplication::savesTheReadingAsAPdf()
{
    QFETCH(QString, file);
    QFETCH(QString, written);
    const bool saved = !written.isEmpty();
    start();
    readingOf(u"john"_s, QString(), u"SMITH"_s, 29, 11, 1999);
    const QString path = m_dir->filePath(file);
    MessageBoxAnswerer answerer;
    QVERIFY(QTest::qWaitForWindowActive(m_app->resultsWindow()));
    QString proposed;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        proposed = dialog->selectedFiles().value(0);
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, &QDialog::accept);
    });
    QTest::keyClick(m_app->resultsWindow(), Qt::Key_S, Qt::ControlModifier);

    // In the documents folder, or at home where there is none.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(proposed,
             (QFileInfo(documents).isDir() ? documents : QDir::homePath())
                 + u"/JOHN-SMITH-reading.pdf"_s);
    QFile pdf(m_dir->filePath(saved ? written : file));
    QCOMPARE(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-", saved);
    QCOMPARE(QFileInfo::exists(path), saved && written == file); // never under a bare name
    QCOMPARE(answerer.seen.size(), saved ? 0 : 1);
    if (!saved) {
        QCOMPARE(answerer.seen[0].text, u"Could not save the reading as a PDF."_s);
        QCOMPARE(answerer.seen[0].icon, QMessageBox::Critical);
        QCOMPARE(QDir(m_dir->path()).entryList({u"*.pdf"_s, u"gone"_s}), QStringList());
    }
}

void TestApplication::copiesTheReadingAsText()
{
    start();
    readingOf(u"john"_s, QString(), u"SMITH"_s, 29, 11, 1999);
    QApplication::clipboard()->clear();
    Control<QAction>("frmDisplay", "actCopyReading")->trigger();
    const QString copied = QApplication::clipboard()->text();
    QVERIFY(copied.startsWith(
        u"Vorn Color Numerology\n\nA reading for JOHN SMITH, born November 29, 1999.\n"));
    for (const auto &[category, number] :
         {std::pair{ReadingCategory::LifeJourney, 5}, std::pair{ReadingCategory::Soul, 6},
          std::pair{ReadingCategory::Personality, 2}}) {
        QVERIFY(copied.contains(Str(TabCaption(category)) + u": " + QString::number(number)));
        QVERIFY(copied.contains(
            Str(FindCatalogueRecord(category, static_cast<std::int16_t>(number))->Interpretation)));
    }
}

void TestApplication::printsThroughThePlatformsPrintDialog()
{
    // The print plugin as it is installed, found from where the program is installed.
    m_programFolder = QStringLiteral(VORN_STAGED_PROGRAM_FOLDER);
    start();
    readingOf(u"john"_s, QString(), u"SMITH"_s, 29, 11, 1999);
    const QString pdf = m_dir->filePath(u"printed.pdf"_s);
    QString shown;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        shown = QString::fromLatin1(dialog->metaObject()->className());
        // As if the user chose to print into a file.
        dialog->printer()->setOutputFileName(pdf);
        dialog->done(QDialog::Accepted);
    });
    MessageBoxAnswerer answerer;
    Control<QAction>("frmDisplay", "actPrintReading")->trigger();
    QCOMPARE(answerer.texts(), QStringList());
    QCOMPARE(shown, u"QPrintDialog");
    QFile printed(pdf);
    QVERIFY(printed.open(QIODevice::ReadOnly));
    QCOMPARE(printed.read(5), "%PDF-");
}

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
