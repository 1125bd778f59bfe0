#include "uitesting.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <engine/numerology.h>
#include <reading/reading.h>
#include <windows/frame.h>
#include <windows/geometry.h>
#include <windows/mainwindow.h>

using namespace vorn;
using vorn::testing::MessageBoxAnswerer;
using namespace Qt::StringLiterals;

namespace {

QString FocusedName()
{
    const QWidget *focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString();
}

} // namespace

Q_DECLARE_METATYPE(vorn::Page)
Q_DECLARE_METATYPE(vorn::ReadingEntries)
Q_DECLARE_METATYPE(vorn::EntryField)

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void isTheInputWindowAsDesigned();
    void placesControlsAsDesigned_data();
    void placesControlsAsDesigned();
    void fillsThePickListsOnLoad();
    void turnsTypedLowerCaseIntoCapitals_data();
    void turnsTypedLowerCaseIntoCapitals();
    void countsANameAsTypedWhateverWayItCame_data();
    void countsANameAsTypedWhateverWayItCame();
    void tabsThroughTheInputsInTheirOrder();
    void validatesEntriesInOrder_data();
    void validatesEntriesInOrder();
    void nextShowsTheFirstFailingCheckAndMovesTheFocus();
    void menusAndLabelsAskForTheirPages_data();
    void menusAndLabelsAskForTheirPages();
    void aboutAndExitAreAskedFor();
    void stacksTheOfferLabelsAsAsked();

private:
    MainWindow *m_window = nullptr;
};

void TestMainWindow::init()
{
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestMainWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestMainWindow::isTheInputWindowAsDesigned()
{
    QCOMPARE(m_window->objectName(), u"frmMain");
    QCOMPARE(m_window->windowTitle(), u"Vorn Color Numerology v1.0");
    QCOMPARE(m_window->centralWidget()->size(), QSize(430, 270));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize()); // neither resized nor maximised
    QCOMPARE(vorn::testing::ControlsCrossedByFrameLines(m_window), QStringList());
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    // The icon is kept as bare bytes beside its PNG: the same picture, the right way round.
    QCOMPARE(m_window->windowIcon().pixmap(32, 32).toImage(),
             QPixmap::fromImage(QImage(u":/icons/vorn-color-numerology-32.png"_s)).toImage());
    // The faces asked for are installed: nothing is left to a stand-in that differs by desktop.
    QCOMPARE(QFontInfo(m_window->font()).family(), m_window->font().family());
    QCOMPARE(QFontInfo(child<QLabel>(m_window, "Label1")->font()).family(),
             child<QLabel>(m_window, "Label1")->font().family());
    QCOMPARE(m_window->font().pointSizeF(), 8.25);

    QCOMPARE(child<QGroupBox>(m_window, "fraName")->title(), u"Please Fill In The Below Details:");
    QVERIFY(child<Frame>(m_window, "fraName")->captionFont().bold());
    QVERIFY(!child<QWidget>(m_window, "txtFirstName")->font().bold());
    QCOMPARE(child<QGroupBox>(m_window, "fraBirthDay")->title(), u"Date Of Birth");
    QCOMPARE(child<QLabel>(m_window, "Label1")->text(), u"First Name");
    QCOMPARE(child<QLabel>(m_window, "Label4")->text(), u"Middle Name");
    QCOMPARE(child<QLabel>(m_window, "Label5")->text(), u"Last Name");
    QCOMPARE(child<QLabel>(m_window, "Label5")->palette().color(QPalette::WindowText),
             QColor(Qt::red));
    QCOMPARE(child<QPushButton>(m_window, "cmdNext")->text(), u"&Next");
    QCOMPARE(child<QPushButton>(m_window, "cmdExit")->text(), u"E&xit");
    QCOMPARE(child<QPushButton>(m_window, "cmdNext")->palette().color(QPalette::ButtonText),
             child<QPushButton>(m_window, "cmdExit")->palette().color(QPalette::ButtonText));
    QCOMPARE(
        child<QLabel>(m_window, "Label2")->text(),
        u"Vorn Color Numerology finds the primary and secondary colors associated with the "
        u"Soul Number, Personality Number and the Life Journey Number of a person. Using these "
        u"colors in real life helps you grow ");
    QCOMPARE(child<QLabel>(m_window, "lblCobrand")->text(),
             u"Co-brand this software for your site.  Increase loyalty and traffic to your site. "
             u"Put your site's name &  link here. See \"Help\" for details.    Click Here for more "
             u"info on co-branding.");
    QCOMPARE(child<QLabel>(m_window, "lblFullBrand")->text(),
             u"Home Business Opportunity. Start your own Internet business and make money online. "
             u"Get this software fully branded for your website. Click here for more details.");
    for (const char *link : {"Label61", "lblCobrand", "lblFullBrand"}) {
        QLabel *label = child<QLabel>(m_window, link);
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(label->font().underline());
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::red));
    }
    QVERIFY(child<QLabel>(m_window, "Label61")->text().contains(makerHost()));

    for (const char *box : {"txtFirstName", "txtMiddleName", "txtLastName"}) {
        QLineEdit *edit = child<QLineEdit>(m_window, box);
        QVERIFY(edit->text().isEmpty());
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(edit->palette().color(QPalette::Base), edit->palette().color(QPalette::Button));
        QCOMPARE(edit->maxLength(), std::numeric_limits<int>::max());
    }

    const QStringList menus = {u"&File"_s, u"&Help"_s, u"&Donate"_s, u"Make Money &Online"_s};
    QStringList shown;
    for (QAction *action : m_window->menuBar()->actions())
        shown << action->text();
    QCOMPARE(shown, menus);
    QStringList help;
    for (QAction *action : child<QMenu>(m_window, "mnuHelp")->actions())
        help << (action->isSeparator() ? u"-"_s : action->text());
    QCOMPARE(help,
             (QStringList{u"&Online Help"_s, u"&Visit Us Online"_s, u"-"_s,
                          u"&Check for Software Update"_s, u"-"_s, u"&About Software"_s}));
    QVERIFY(child<QAction>(m_window, "mnuFileSep1")->isSeparator());
    QVERIFY(child<QAction>(m_window, "mnuFileSep2")->isSeparator());
}

void TestMainWindow::placesControlsAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");

    const auto row = vorn::testing::addDesignedRow;
    row("Frame2", 80, 0, 6300, 615);
    row("Label61", 120, 135, 6120, 585);
    row("Label2", 120, 720, 6255, 615);
    row("fraName", 80, 1440, 6255, 1605);
    row("Label1", 120, 240, 750, 195);
    row("Label4", 2160, 240, 1095, 195);
    row("Label5", 4200, 240, 765, 195);
    row("txtFirstName", 90, 450, 1905, 345);
    row("txtMiddleName", 2115, 450, 1965, 345);
    row("txtLastName", 4200, 450, 1935, 345);
    row("fraBirthDay", 120, 840, 6045, 645);
    row("cboMonth", 120, 210, 1455, 315);
    row("cboDate", 1760, 210, 855, 315);
    row("cboYear", 2800, 210, 975, 315);
    row("cmdNext", 3960, 210, 1965, 315);
    row("fraFullBrand", 80, 3120, 6300, 855);
    row("lblCobrand", 120, 160, 5985, 615);
    row("lblFullBrand", 120, 165, 5985, 615);
    row("cmdExit", 3720, 4320, 2085, 315);
}

void TestMainWindow::placesControlsAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QWidget *widget = m_window->findChild<QWidget *>(name);
    QVERIFY(widget);
    const QRect expected = vorn::testing::TwipsToPixels(twips);
    QCOMPARE(widget->pos(), expected.topLeft());
    QCOMPARE(widget->height(), expected.height());
    // Captions may grow where the font's stand-in is wider, but never shrink.
    if (qobject_cast<QLabel *>(widget) && name.startsWith(u"Label") && name != u"Label2"
        && name != u"Label61") {
        QVERIFY(widget->width() >= expected.width());
        QVERIFY(widget->width() >= widget->sizeHint().width());
    } else {
        QCOMPARE(widget->width(), expected.width());
    }
}

void TestMainWindow::fillsThePickListsOnLoad()
{
    auto *day = child<QComboBox>(m_window, "cboDate");
    auto *month = child<QComboBox>(m_window, "cboMonth");
    auto *year = child<QComboBox>(m_window, "cboYear");
    QCOMPARE(day->count(), 31);
    QCOMPARE(month->count(), 12);
    QCOMPARE(year->count(), 151);
    QCOMPARE(day->itemText(0), u"1");
    QCOMPARE(day->itemText(8), u"9");
    QCOMPARE(day->itemText(30), u"31");
    QCOMPARE(year->itemText(0), u"1900");
    QCOMPARE(year->itemText(150), u"2050");
    for (QComboBox *list : {day, month, year}) {
        QVERIFY(!list->isEditable());
        QCOMPARE(list->currentIndex(), 0);
        // The open list, made when first opened, shows the entries in the list's own font.
        list->showPopup();
        QCOMPARE(list->view()->font(), list->font());
        QVERIFY(!list->font().bold());
        list->hidePopup();
    }
    const ReadingEntries entries = m_window->entries();
    QCOMPARE(entries.day, u"1");
    QCOMPARE(entries.month, u"January");
    QCOMPARE(entries.year, u"1900");

    // Every month, picked from the keyboard, counts its value.
    const char *months[] = {"January", "February", "March",     "April",   "May",      "June",
                            "July",    "August",   "September", "October", "November", "December"};
    month->setFocus();
    for (int i = 0; i < 12; ++i) {
        if (i > 0)
            QTest::keyClick(month, Qt::Key_Down);
        const QByteArray picked = m_window->entries().month.toUtf8();
        QCOMPARE(picked, QByteArray(months[i]));
        QCOMPARE(MonthValue({picked.constData(), std::size_t(picked.size())}), i % 9 + 1);
    }

    // Typing into a pick list only moves the selection, it never edits or clears it.
    QTest::keyClicks(month, QStringLiteral("xyz"));
    QVERIFY(!month->currentText().isEmpty());
}

void TestMainWindow::turnsTypedLowerCaseIntoCapitals_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    for (const char *box : {"txtFirstName", "txtMiddleName", "txtLastName"}) {
        const QByteArray name(box);
        const QString boxName = QString::fromLatin1(box);
        QTest::newRow(QByteArray(name + " john").constData()) << boxName << "john"
                                                              << "JOHN";
        QTest::newRow(QByteArray(name + " mixed").constData()) << boxName << "mAry-Lee o'neil 2"
                                                               << "MARY-LEE O'NEIL 2";
        QTest::newRow(QByteArray(name + " accents").constData())
            << boxName << QStringLiteral("é1ß") << QStringLiteral("é1ß");
    }
}

void TestMainWindow::turnsTypedLowerCaseIntoCapitals()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    auto *edit = m_window->findChild<QLineEdit *>(box);
    edit->setFocus();
    // QTest::keyClicks knows ASCII keys only; other characters arrive as the key event's text.
    for (QChar c : typed) {
        if (c.unicode() < 0x80)
            QTest::keyClick(edit, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QCOMPARE(edit->text(), shown);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), shown.chopped(1));
}

void TestMainWindow::countsANameAsTypedWhateverWayItCame_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("shownFirst");
    QTest::addColumn<QString>("shownLast");
    QTest::addColumn<int>("soul");
    QTest::addColumn<int>("personality");

    for (const char *route : {"keys", "paste", "drop", "input method"}) {
        QTest::newRow(route) << QString::fromLatin1(route) << u"john"_s << u"smith"_s << u"JOHN"_s
                             << u"SMITH"_s << 6 << 2;
    }
    QTest::newRow("paste: accents and digits stay")
        << u"paste"_s << u"ren\u00e9e 2"_s << u"o'neil"_s << u"REN\u00e9E 2"_s << u"O'NEIL"_s << 3
        << 22;
}

void TestMainWindow::countsANameAsTypedWhateverWayItCame()
{
    QFETCH(QString, route);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, shownFirst);
    QFETCH(QString, shownLast);
    QFETCH(int, soul);
    QFETCH(int, personality);

    auto put = [&route](QLineEdit *box, const QString &text) {
        box->setFocus();
        if (route == u"keys") {
            QTest::keyClicks(box, text);
        } else if (route == u"paste") {
            QGuiApplication::clipboard()->setText(text);
            QTest::keySequence(box, QKeySequence::Paste);
        } else if (route == u"drop") {
            QMimeData dragged;
            dragged.setText(text);
            // A drop goes where the drag entered and was taken.
            QDragEnterEvent enter(box->rect().center(), Qt::CopyAction, &dragged, Qt::LeftButton,
                                  Qt::NoModifier);
            QApplication::sendEvent(box, &enter);
            QDropEvent drop(QPointF(box->rect().center()), Qt::CopyAction, &dragged, Qt::LeftButton,
                            Qt::NoModifier);
            QApplication::sendEvent(box, &drop);
        } else {
            QInputMethodEvent committed;
            committed.setCommitString(text);
            QApplication::sendEvent(box, &committed);
        }
    };
    auto *firstBox = child<QLineEdit>(m_window, "txtFirstName");
    auto *lastBox = child<QLineEdit>(m_window, "txtLastName");
    put(firstBox, first);
    put(lastBox, last);
    QCOMPARE(firstBox->text(), shownFirst);
    QCOMPARE(lastBox->text(), shownLast);
    // Typing leaves the box's undo steps as they were.
    if (route == u"keys")
        QVERIFY(firstBox->isUndoAvailable());
    const Reading reading = makeReading(m_window->entries());
    QCOMPARE(reading.section(ReadingCategory::Soul).number, soul);
    QCOMPARE(reading.section(ReadingCategory::Personality).number, personality);
}

void TestMainWindow::tabsThroughTheInputsInTheirOrder()
{
    QCOMPARE(FocusedName(), u"txtFirstName");
    const char *order[]
        = {"txtMiddleName", "txtLastName", "cboMonth", "cboDate", "cboYear", "cmdNext"};
    for (const char *next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(FocusedName(), QLatin1String(next));
    }
    QCOMPARE(child<QWidget>(m_window, "cmdExit")->focusPolicy(), Qt::NoFocus);
}

void TestMainWindow::validatesEntriesInOrder_data()
{
    QTest::addColumn<ReadingEntries>("entries");
    QTest::addColumn<QString>("message"); // empty: the entries pass
    QTest::addColumn<EntryField>("focus"); // where the focus goes after the message

    const QString february = u"Please Enter Correct Date Or Month!"_s;
    const QString thirtyFirst = u"Please Enter Correct Date Or Month !"_s;
    auto row = [](const char *name, const char *first, const char *last, const char *day,
                  const char *month, const char *year, const QString &message = {},
                  EntryField focus = EntryField::None) {
        QTest::newRow(name) << ReadingEntries{QLatin1String(first), {},
                                              QLatin1String(last),  QLatin1String(day),
                                              QLatin1String(month), QLatin1String(year)}
                            << message << focus;
    };
    row("both names empty", "", "", "1", "January", "1900", u"Please Enter Your First Name"_s,
        EntryField::FirstName);
    row("last name empty", "JOHN", "", "1", "January", "1900", u"Please Enter Your Last Name"_s,
        EntryField::LastName);
    row("first name empty, date wrong", "", "SMITH", "31", "February", "1901",
        u"Please Enter Your First Name"_s, EntryField::FirstName);
    row("no day picked", "A", "B", "", "", "", u"Please Specify Your Birth Date"_s,
        EntryField::Day);
    row("no month picked", "A", "B", "31", "", "", u"Please Specify Your Birth Month"_s,
        EntryField::Month);
    row("no year picked", "A", "B", "31", "April", "", u"Please Specify Your Birth Year"_s,
        EntryField::Year);
    row("blanks pass as names", " ", "  ", "1", "January", "1900");
    row("29 February 1900 is no date", "A", "B", "29", "February", "1900", february);
    row("29 February 2000", "A", "B", "29", "February", "2000");
    row("29 February 2048", "A", "B", "29", "February", "2048");
    row("29 February 1901", "A", "B", "29", "February", "1901", february);
    row("28 February 1901", "A", "B", "28", "February", "1901");
    row("30 February 2000", "A", "B", "30", "February", "2000", february);
    row("31 February 2004", "A", "B", "31", "February", "2004", february);
    row("31 April", "A", "B", "31", "April", "1990", thirtyFirst);
    row("31 June", "A", "B", "31", "June", "1990", thirtyFirst);
    row("31 September", "A", "B", "31", "September", "1990", thirtyFirst);
    row("31 November", "A", "B", "31", "November", "1990", thirtyFirst);
    row("30 April", "A", "B", "30", "April", "1990");
    row("31 May", "A", "B", "31", "May", "1990");
    row("31 December 2050", "A", "B", "31", "December", "2050");
}

void TestMainWindow::validatesEntriesInOrder()
{
    QFETCH(ReadingEntries, entries);
    QFETCH(QString, message);
    QFETCH(EntryField, focus);
    const std::optional<EntryProblem> problem = validateInput(entries);
    QCOMPARE(problem ? problem->message : QString(), message);
    QCOMPARE(problem ? problem->focus : EntryField::None, focus);
}

void TestMainWindow::nextShowsTheFirstFailingCheckAndMovesTheFocus()
{
    QSignalSpy next(m_window, &MainWindow::nextRequested);
    MessageBoxAnswerer answerer;
    child<QAction>(m_window, "mnuNext")->trigger(); // File > Next checks as the button does
    QTRY_COMPARE(FocusedName(), u"txtFirstName");
    child<QLineEdit>(m_window, "txtFirstName")->setText(u"JOHN"_s);
    QTest::mouseClick(child<QPushButton>(m_window, "cmdNext"), Qt::LeftButton);
    QTRY_COMPARE(FocusedName(), u"txtLastName");
    child<QLineEdit>(m_window, "txtLastName")->setText(u"SMITH"_s);
    child<QComboBox>(m_window, "cboDate")->setCurrentIndex(30);
    child<QComboBox>(m_window, "cboMonth")->setCurrentIndex(3);
    QTest::mouseClick(child<QPushButton>(m_window, "cmdNext"), Qt::LeftButton);
    QTRY_COMPARE(FocusedName(), u"cmdNext");
    QCOMPARE(answerer.texts(),
             (QStringList{u"Please Enter Your First Name"_s, u"Please Enter Your Last Name"_s,
                          u"Please Enter Correct Date Or Month !"_s}));
    for (const vorn::testing::SeenMessage &seen : std::as_const(answerer.seen)) {
        QCOMPARE(seen.title, u"Vorn Color Numerology");
        QCOMPARE(seen.icon, QMessageBox::Information);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    QCOMPARE(next.count(), 0);
    QCOMPARE(child<QLineEdit>(m_window, "txtFirstName")->text(), u"JOHN");

    child<QComboBox>(m_window, "cboDate")->setCurrentIndex(29);
    child<QAction>(m_window, "mnuNext")->trigger();
    QCOMPARE(answerer.seen.size(), 3);
    QCOMPARE(next.count(), 1);
}

void TestMainWindow::menusAndLabelsAskForTheirPages_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<Page>("page");

    QTest::newRow("mnuOnline") << "mnuOnline" << Page::HelpPage;
    QTest::newRow("mnuVisit") << "mnuVisit" << Page::HomePage;
    QTest::newRow("mnuUpdate") << "mnuUpdate" << Page::DownloadPage;
    QTest::newRow("mnuDonate") << "mnuDonate" << Page::DonationPage;
    QTest::newRow("mkmoney") << "mkmoney" << Page::FullBrandPage;
    QTest::newRow("Label2") << "Label2" << Page::FullBrandPage;
    QTest::newRow("Label61") << "Label61" << Page::HomePage;
    QTest::newRow("lblCobrand") << "lblCobrand" << Page::CoBrandPage;
    QTest::newRow("lblFullBrand") << "lblFullBrand" << Page::FullBrandPage;
}

void TestMainWindow::menusAndLabelsAskForTheirPages()
{
    QFETCH(QString, trigger);
    QFETCH(Page, page);

    QSignalSpy links(m_window, &MainWindow::linkRequested);
    if (auto *action = m_window->findChild<QAction *>(trigger)) {
        action->trigger();
    } else {
        auto *label = m_window->findChild<QLabel *>(trigger);
        QVERIFY(label);
        label->raise(); // the offer labels share one place; click the one in front
        QTest::mouseClick(label, Qt::RightButton);
        QCOMPARE(links.count(), 0);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(label->width() - 2, 2));
    }
    QCOMPARE(links.count(), 1);
    QCOMPARE(links.first().first().value<Page>(), page);
}

void TestMainWindow::aboutAndExitAreAskedFor()
{
    QSignalSpy about(m_window, &MainWindow::aboutRequested);
    QSignalSpy exit(m_window, &MainWindow::exitRequested);
    QSignalSpy closing(m_window, &MainWindow::closeRequested);
    child<QAction>(m_window, "mnuAbout")->trigger();
    QCOMPARE(about.count(), 1);
    QCOMPARE(exit.count(), 0);

    child<QAction>(m_window, "mnuExit")->trigger();
    QTest::mouseClick(child<QPushButton>(m_window, "cmdExit"), Qt::LeftButton);
    QCOMPARE(exit.count(), 2);
    QCOMPARE(closing.count(), 0);
    m_window->close();
    QCOMPARE(closing.count(), 1);
    QVERIFY(m_window->isVisible()); // what leaving means is for the program to decide
}

void TestMainWindow::stacksTheOfferLabelsAsAsked()
{
    QWidget *frame = child<QWidget>(m_window, "fraFullBrand");
    auto topmost = [frame] { return frame->childAt(twips(120) + 5, twips(165) + 5)->objectName(); };
    QCOMPARE(topmost(), u"lblFullBrand");
    m_window->bringCobrandToFront();
    QCOMPARE(topmost(), u"lblCobrand");
    m_window->bringFullBrandToFront();
    QCOMPARE(topmost(), u"lblFullBrand");
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
