#include "uitesting.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <reading/swatches.h>
#include <windows/geometry.h>
#include <windows/resultswindow.h>

using namespace vorn;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(vorn::ReadingCategory)
Q_DECLARE_METATYPE(vorn::Page)

namespace {

struct TabNames
{
    const char *number, *primaryColor, *primaryDesc, *primaryPicture;
    const char *secondaryColor, *secondaryDesc, *secondaryPicture, *keywords, *interpretation;
};

TabNames Names(ReadingCategory category)
{
    switch (category) {
    case ReadingCategory::LifeJourney:
        return {"lblLifeJourneyNumber",           "lblLifeJourneyPrimaryColor",
                "txtLifeJourneyPrimaryColorDesc", "picLifeJourneyPrimaryColor",
                "lblLifeJourneySecondaryColor",   "txtLifeJourneySecondaryColorDesc",
                "picLifeJourneySecondaryColor",   "lblLifeJourneyKeywords",
                "txtLifeJourneyNumberDisplay"};
    case ReadingCategory::Soul:
        return {"lblSoulNumber",         "lblSoulPrimaryColor",   "txtSoulPrimaryColorDesc",
                "picSoulPrimaryColor",   "lblSoulSecondaryColor", "txtSoulSecondaryColorDesc",
                "picSoulSecondaryColor", "lblSoulKeywords",       "txtSoulUrgeNumberDisplay"};
    case ReadingCategory::Personality:
        break;
    }
    return {"lblPersonalityNumber",           "lblPersonalityPrimaryColor",
            "txtPersonalityPrimaryColorDesc", "picPersonalityPrimaryColor",
            "lblPersonalitySecondaryColor",   "txtPersonalitySecondaryColorDesc",
            "picPersonalitySecondaryColor",   "lblPersonalityKeywords",
            "txtPersonalityNumberDisplay"};
}

const QString DesignKeywords = QStringLiteral(
    "Stimulation, Growth, excitement, high spirits, and physical energy, Determination, Passion");

// A reading whose three numbers are n.
Reading ReadingOf(std::int16_t n)
{
    Reading reading;
    for (ReadingCategory category : ReadingCategories)
        reading.sections[static_cast<std::size_t>(category)] = makeSection(category, n);
    return reading;
}

bool SamePicture(const QPixmap &shown, const QPixmap &swatch)
{
    return !shown.isNull() && shown.toImage() == swatch.toImage();
}

} // namespace

class TestResultsWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void swatchesLoadAtTheirIndex_data();
    void swatchesLoadAtTheirIndex();
    void showsItsDesignBeforeAnythingIsWritten();
    void placesTabControlsAsDesigned_data();
    void placesTabControlsAsDesigned();
    void writesWhatTheCatalogueDecides_data();
    void writesWhatTheCatalogueDecides();
    void interpretationBoxOpensAtTheTop();
    void keyboardReachesEveryValueAndEveryTab();
    void keepsTheReadingFromAnyControlsMenu_data();
    void keepsTheReadingFromAnyControlsMenu();
    void linksBackAndCloseAreAskedFor_data();
    void linksBackAndCloseAreAskedFor();

private:
    ResultsWindow *m_window = nullptr;
};

void TestResultsWindow::init()
{
    m_window = new ResultsWindow;
}

void TestResultsWindow::cleanup()
{
    delete m_window;
}

void TestResultsWindow::swatchesLoadAtTheirIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("color");
    const QColor colors[] = {0x0000FF, 0xFF7F50, 0xFFD700, 0x008000, 0x4B0082, 0xFF00FF, 0x808000,
                             0xFFA500, 0xFF0000, 0x40E0D0, 0x8F00FF, 0xFFFF00, 0xF4A6C0};
    for (int i = 1; i <= SwatchCount; ++i)
        QTest::newRow(qPrintable(QString::number(i))) << i << colors[i - 1];
}

void TestResultsWindow::swatchesLoadAtTheirIndex()
{
    QFETCH(int, index);
    QFETCH(QColor, color);
    const QPixmap picture = swatch(index);
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), QSize(25, 25));
    const QColor center = picture.toImage().pixelColor(12, 12);
    QVERIFY2(qAbs(center.red() - color.red()) <= 3 && qAbs(center.green() - color.green()) <= 3
                 && qAbs(center.blue() - color.blue()) <= 3,
             qPrintable(center.name()));
    QVERIFY(swatch(0).isNull());
    QVERIFY(swatch(SwatchCount + 1).isNull());
    QVERIFY(swatch(-1).isNull());
}

void TestResultsWindow::showsItsDesignBeforeAnythingIsWritten()
{
    QCOMPARE(m_window->objectName(), u"frmDisplay");
    QCOMPARE(m_window->windowTitle(), u"Vorn Color Numerology v1.0");
    QCOMPARE(m_window->size(), QSize(497, 489));
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));

    auto *tabs = child<QTabWidget>(m_window, "SSTab1");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), u"Life Journey Number");
    QCOMPARE(tabs->tabText(1), u"Soul Number");
    QCOMPARE(tabs->tabText(2), u"Personality Number");
    QCOMPARE(tabs->currentIndex(), 2);
    QCOMPARE(vorn::testing::ControlsCrossedByFrameLines(m_window), QStringList());

    for (ReadingCategory category : ReadingCategories) {
        const TabNames n = Names(category);
        for (const char *label : {n.number, n.primaryColor, n.secondaryColor})
            QCOMPARE(child<QLabel>(m_window, label)->text(), QLatin1String(label));
        QCOMPARE(child<QLabel>(m_window, n.keywords)->text(), DesignKeywords);
        for (const char *box : {n.primaryDesc, n.secondaryDesc, n.interpretation}) {
            auto *edit = child<QPlainTextEdit>(m_window, box);
            QVERIFY(edit->toPlainText().isEmpty());
            QVERIFY(edit->isReadOnly());
            QCOMPARE(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(edit->palette().color(QPalette::Text), QColor(Qt::blue));
            QVERIFY(!edit->font().bold());
        }
        for (const char *picture : {n.primaryPicture, n.secondaryPicture})
            QVERIFY(child<QLabel>(m_window, picture)->pixmap().isNull());
        QCOMPARE(child<QLabel>(m_window, n.number)->font().pointSizeF(), 14.25);
        QCOMPARE(child<QLabel>(m_window, n.number)->palette().color(QPalette::WindowText),
                 QColor(Qt::blue));
        QCOMPARE(child<QLabel>(m_window, n.keywords)->palette().color(QPalette::WindowText),
                 QColor(Qt::red));
    }
    QCOMPARE(child<QLabel>(m_window, "Label12")->text(), u"Soul Number");
    QCOMPARE(child<QLabel>(m_window, "Label16")->text(), u"Secondary Color");
    QCOMPARE(child<QLabel>(m_window, "Label7")->text(), u"Interpretation");
    QCOMPARE(child<QLabel>(m_window, "Label14")->text(), u"Keywords");
    QCOMPARE(child<QLabel>(m_window, "Label10")->text(), u"Primary Color");
    QCOMPARE(child<QPushButton>(m_window, "cmdback")->text(), u"&Back");
    QVERIFY(child<QPushButton>(m_window, "cmdback")->font().bold());

    // The co-branding offer is in front of the full-branding one.
    QWidget *frame = child<QWidget>(m_window, "fraFullBrand");
    QCOMPARE(frame->childAt(20, 20)->objectName(), u"lblCobrand");
    QCOMPARE(frame->childAt(twips(5880) + 10, twips(240) + 10)->objectName(), u"cmdback");
}

void TestResultsWindow::placesTabControlsAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");

    const auto row = vorn::testing::addDesignedRow;
    row("lblLifeJourneyNumber", 2640, 240, 3570, 345);
    row("lblSoulNumber", 2610, 240, 2400, 345);
    row("lblPersonalityNumber", 2610, 240, 3510, 345);
    row("txtLifeJourneyPrimaryColorDesc", 2640, 915, 4140, 795);
    row("txtSoulPrimaryColorDesc", 2610, 915, 4125, 795);
    row("txtPersonalityPrimaryColorDesc", 2640, 915, 4140, 795);
    row("picSoulPrimaryColor", 6840, 915, 405, 405);
    row("txtLifeJourneySecondaryColorDesc", 2640, 2115, 4140, 795);
    row("txtSoulSecondaryColorDesc", 2610, 2115, 4125, 795);
    row("txtPersonalitySecondaryColorDesc", 2610, 2115, 4125, 795);
    row("picPersonalitySecondaryColor", 6840, 2115, 405, 405);
    row("lblLifeJourneyKeywords", 2640, 2955, 4515, 615);
    row("lblSoulKeywords", 2610, 2955, 4515, 615);
    row("txtPersonalityNumberDisplay", 120, 3555, 7140, 1755);
    row("cmdback", 5880, 240, 1455, 375);
    row("lblCobrand", 120, 165, 5985, 615);
    row("SSTab1", 0, 720, 7455, 5775);
    row("fraFullBrand", 0, 6480, 7455, 855);
}

void TestResultsWindow::placesTabControlsAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QWidget *widget = m_window->findChild<QWidget *>(name);
    QVERIFY(widget);
    const QRect expected = vorn::testing::TwipsToPixels(twips);
    QCOMPARE(widget->geometry(), expected);
    // Secondary rows of the Personality tab sit lower than the other tabs'.
    QCOMPARE(child<QWidget>(m_window, "lblPersonalitySecondaryColor")->y(), vorn::twips(1875));
    QCOMPARE(child<QWidget>(m_window, "Label16")->y(), vorn::twips(1875));
    QCOMPARE(child<QWidget>(m_window, "lblSoulSecondaryColor")->y(), vorn::twips(1755));
}

void TestResultsWindow::writesWhatTheCatalogueDecides_data()
{
    QTest::addColumn<int>("number");
    for (int n : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22})
        QTest::newRow(qPrintable(QString::number(n))) << n;
}

void TestResultsWindow::writesWhatTheCatalogueDecides()
{
    QFETCH(int, number);
    const auto n = static_cast<std::int16_t>(number);
    m_window->setReading(ReadingOf(n));

    auto text = [this](const char *name) { return child<QLabel>(m_window, name)->text(); };
    auto box
        = [this](const char *name) { return child<QPlainTextEdit>(m_window, name)->toPlainText(); };
    auto picture = [this](const char *name) { return child<QLabel>(m_window, name)->pixmap(); };

    for (ReadingCategory category : ReadingCategories) {
        const TabNames names = Names(category);
        const QString intro = Str(CategoryIntro(category));
        const CatalogueRecord *record = FindCatalogueRecord(category, n);
        if (!record && category == ReadingCategory::Personality)
            record = FindCatalogueRecord(category, 7);

        if (record) {
            QCOMPARE(text(names.number), Str(record->NumberCaption));
            QCOMPARE(text(names.primaryColor), Str(record->PrimaryColor));
            QCOMPARE(box(names.primaryDesc), Str(record->PrimaryColorDesc));
            QVERIFY(SamePicture(picture(names.primaryPicture), swatch(record->PrimaryPicture)));
            QVERIFY(SamePicture(picture(names.secondaryPicture), swatch(record->SecondaryPicture)));
            QCOMPARE(box(names.secondaryDesc), Str(record->SecondaryColorDesc));
            QCOMPARE(text(names.secondaryColor), Str(record->SecondaryColor));
            QCOMPARE(text(names.keywords), Str(record->Keywords));
            QCOMPARE(box(names.interpretation), intro + u"\n\n" + Str(record->Interpretation));
        } else {
            QCOMPARE(text(names.number), u"0");
            QCOMPARE(text(names.primaryColor), QString());
            QCOMPARE(text(names.secondaryColor), QString());
            QCOMPARE(text(names.keywords), QString());
            QCOMPARE(box(names.primaryDesc), QString());
            QCOMPARE(box(names.secondaryDesc), QString());
            QVERIFY(picture(names.primaryPicture).isNull());
            QVERIFY(picture(names.secondaryPicture).isNull());
            QCOMPARE(box(names.interpretation), intro + u"\n\n");
        }
        // One blank line between intro and interpretation, never two intros.
        const QString shown = box(names.interpretation);
        QCOMPARE(shown.count(intro), 1);
        QCOMPARE(shown.indexOf(u"\n\n"), intro.size());
        QVERIFY(!shown.contains(u'\r'));
    }
}

void TestResultsWindow::interpretationBoxOpensAtTheTop()
{
    m_window->setReading(ReadingOf(1));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    auto *tabs = child<QTabWidget>(m_window, "SSTab1");
    for (ReadingCategory category : ReadingCategories) {
        tabs->setCurrentIndex(static_cast<int>(category));
        auto *box = child<QPlainTextEdit>(m_window, Names(category).interpretation);
        QCOMPARE(box->textCursor().position(), 0);
        QVERIFY(!box->textCursor().hasSelection());
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        QVERIFY(box->verticalScrollBar()->maximum() > 0); // the text is longer than the box
    }
}

void TestResultsWindow::keyboardReachesEveryValueAndEveryTab()
{
    m_window->setReading(ReadingOf(2));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    auto *tabs = child<QTabWidget>(m_window, "SSTab1");
    tabs->tabBar()->setFocus(Qt::TabFocusReason);

    // From the tab bar: the values, each named by its caption, then the long texts, then Back.
    const TabNames n = Names(ReadingCategory::Personality);
    const char *order[] = {n.number,      n.primaryColor,  n.secondaryColor, n.keywords,
                           n.primaryDesc, n.secondaryDesc, n.interpretation, "cmdback"};
    for (const char *next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
    }

    // Ctrl+Page Down and Up turn the tabs from within a page, wrapping round, and a tab is
    // named with its number.
    child<QWidget>(m_window, n.keywords)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"lblLifeJourneyNumber");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), 2);
    QCOMPARE(tabs->tabBar()->accessibleTabName(1), u"Soul Number 2");
}

void TestResultsWindow::keepsTheReadingFromAnyControlsMenu_data()
{
    QTest::addColumn<QString>("control"); // empty: the tab bar
    QTest::addColumn<bool>("shiftF10"); // or the Menu key
    QTest::addColumn<QStringList>("items");

    // Each item with the shortcut the menu shows beside it; a text box keeps its own items.
    const QStringList keeping = {u"&Save Reading as PDF... Ctrl+S"_s, u"&Print Reading... Ctrl+P"_s,
                                 u"Copy &Reading Ctrl+Shift+C"_s};
    const QStringList box
        = QStringList{u"&Copy\tCtrl+C"_s, u"-"_s, u"Select All\tCtrl+A"_s, u"-"_s} + keeping;
    QTest::newRow("tab bar, Menu key") << QString() << false << keeping;
    QTest::newRow("tab bar, Shift+F10") << QString() << true << keeping;
    QTest::newRow("Back, Shift+F10") << u"cmdback"_s << true << keeping;
    QTest::newRow("number, Menu key") << u"lblPersonalityNumber"_s << false << keeping;
    QTest::newRow("interpretation, Shift+F10") << u"txtPersonalityNumberDisplay"_s << true << box;
    QTest::newRow("description, Menu key") << u"txtSoulPrimaryColorDesc"_s << false << box;
}

void TestResultsWindow::keepsTheReadingFromAnyControlsMenu()
{
    QFETCH(QString, control);
    QFETCH(bool, shiftF10);
    QFETCH(QStringList, items);
    m_window->setReading(ReadingOf(2));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    auto *tabs = child<QTabWidget>(m_window, "SSTab1");
    if (control == u"txtSoulPrimaryColorDesc")
        tabs->setCurrentIndex(1);
    QWidget *target = control.isEmpty() ? tabs->tabBar() : child<QWidget>(m_window, control);
    target->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), target);

    if (shiftF10) {
        QTest::keyClick(target, Qt::Key_F10, Qt::ShiftModifier);
    } else {
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        QApplication::sendEvent(target, &menuKey);
    }
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList shown;
    for (const QAction *item : menu->actions()) {
        const bool keys = !item->shortcut().isEmpty() && item->isShortcutVisibleInContextMenu();
        shown << (item->isSeparator() ? u"-"_s
                      : keys          ? item->text() + u' ' + item->shortcut().toString()
                                      : item->text());
    }
    QCOMPARE(shown, items);
    // Opened from the keyboard, it starts on its first item that can be chosen: with nothing
    // selected in a box, that is Select All.
    QVERIFY(menu->activeAction());
    QCOMPARE(menu->activeAction()->text(),
             items.size() == 3 ? items.first().section(u' ', 0, -2) : u"Select All\tCtrl+A"_s);
    menu->close();
}

void TestResultsWindow::linksBackAndCloseAreAskedFor_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<Page>("page");
    QTest::newRow("Label61") << "Label61" << Page::HomePage;
    QTest::newRow("lblCobrand") << "lblCobrand" << Page::CoBrandPage;
    QTest::newRow("lblFullBrand") << "lblFullBrand" << Page::FullBrandPage;
}

void TestResultsWindow::linksBackAndCloseAreAskedFor()
{
    QFETCH(QString, label);
    QFETCH(Page, page);
    m_window->show();
    QSignalSpy links(m_window, &ResultsWindow::linkRequested);
    QSignalSpy back(m_window, &ResultsWindow::backRequested);
    QSignalSpy closing(m_window, &ResultsWindow::closeRequested);

    auto *link = m_window->findChild<QLabel *>(label);
    link->raise();
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(links.count(), 1);
    QCOMPARE(links.first().first().value<Page>(), page);
    QVERIFY(m_window->isVisible());

    QTest::mouseClick(child<QPushButton>(m_window, "cmdback"), Qt::LeftButton);
    QCOMPARE(back.count(), 1);
    QCOMPARE(closing.count(), 0);
    m_window->close();
    QCOMPARE(closing.count(), 1);
    QVERIFY(m_window->isVisible()); // what closing means is for the program to decide
}

QTEST_MAIN(TestResultsWindow)
#include "tst_resultswindow.moc"
