#include "uitesting.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>
#include <limits>
#include <web/tellafriend.h>
#include <windows/geometry.h>
#include <windows/look.h>
#include <windows/supportwindow.h>

using namespace vorn;
using vorn::testing::MessageBoxAnswerer;
using vorn::testing::SeenMessage;
using namespace Qt::StringLiterals;

namespace {

// A null text in a row means: leave the field as the window filled it.
const QString Untouched;

QString TextOf(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    if (auto *field = qobject_cast<const QLineEdit *>(widget))
        return field->text();
    if (auto *box = qobject_cast<const QPlainTextEdit *>(widget))
        return box->toPlainText();
    return {};
}

QString FieldValue(const ReferralValues &values, const QString &field)
{
    if (field == u"txtName")
        return values.name;
    if (field == u"txtEmail")
        return values.email;
    if (field == u"txtMessage")
        return values.message;
    if (field == u"txtFriendName")
        return values.friendName;
    if (field == u"txtFriendEmail")
        return values.friendEmail;
    qWarning("no field %s", qPrintable(field));
    return {};
}

QString FocusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

} // namespace

class TestSupportWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void picksAMessageByTheIntegerPartOfFourTimesTheDraw_data();
    void picksAMessageByTheIntegerPartOfFourTimesTheDraw();
    void picksEachMessageForAQuarterOfTheDraws();
    void showsTheChosenSupportMessage_data();
    void showsTheChosenSupportMessage();
    void isATopmostWindowWithOnlyACloseBox();
    void placesControlsAsDesigned_data();
    void placesControlsAsDesigned();
    void showsTheCatalogueParagraphExactly();
    void keepsTheMessageFieldOutOfSight();
    void opensWithExitFocusedAndNoDefaultButton();
    void tabsThroughTheControlsInTheirOrder();
    void appliesThePlaceholderRuleOnEntryAndLeaving_data();
    void appliesThePlaceholderRuleOnEntryAndLeaving();
    void keepsWhatTheUserTyped_data();
    void keepsWhatTheUserTyped();
    void leavesFieldsAloneWhenAnotherWindowIsActivated();
    void rejectsTypedSpacesInEmailFieldsOnly_data();
    void rejectsTypedSpacesInEmailFieldsOnly();
    void letsPastedSpacesIntoEmailFields();
    void opensTheHomePageOncePerClickOfTheBox_data();
    void opensTheHomePageOncePerClickOfTheBox();
    void opensTheCatalogueFromItsLink();
    void showsTheFirstFailingCheckAndSendsNothing();
    void sendsTrimmedValuesAndKeepsTheEntries_data();
    void sendsTrimmedValuesAndKeepsTheEntries();
    void asksToQuitOnExitAndOnClosing_data();
    void asksToQuitOnExitAndOnClosing();

private:
    bool tabTo(const QString &name) const;
    void type(const QString &field, const QString &text) const;
    void paste(const QString &field, const QString &text) const;
    void setHeld(const QString &field, const QString &text) const;

    SupportWindow *m_window = nullptr;
    QList<Page> m_links;
    QList<ReferralValues> m_sent;
    int m_quits = 0;
};

void TestSupportWindow::init()
{
    m_links.clear();
    m_sent.clear();
    m_quits = 0;
    m_window = new SupportWindow(0);
    connect(m_window, &SupportWindow::linkRequested, this, [this](Page page) { m_links << page; });
    connect(m_window, &SupportWindow::tellAFriendRequested, this,
            [this](const ReferralValues &values) { m_sent << values; });
    connect(m_window, &SupportWindow::exitRequested, this, [this] { ++m_quits; });
    connect(m_window, &SupportWindow::closeRequested, this, [this] { ++m_quits; });
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestSupportWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

// Presses Tab, as the user would, until the named control has the focus.
bool TestSupportWindow::tabTo(const QString &name) const
{
    for (int presses = 0; presses < 10; ++presses) {
        if (FocusName() == name)
            return true;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    qWarning("tabbing never reached %s", qPrintable(name));
    return false;
}

// Tabs into the field, selects all it holds and types text over it.
void TestSupportWindow::type(const QString &field, const QString &text) const
{
    if (!tabTo(field))
        return;
    QWidget *widget = QApplication::focusWidget();
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(widget, Qt::Key_Backspace);
    for (const QChar c : text) {
        if (c == u'\n')
            QTest::keyClick(widget, Qt::Key_Return);
        else if (c != u'\r')
            QTest::keyClicks(widget, QString(c));
    }
}

void TestSupportWindow::paste(const QString &field, const QString &text) const
{
    if (!tabTo(field))
        return;
    QWidget *widget = QApplication::focusWidget();
    QApplication::clipboard()->setText(text);
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keySequence(widget, QKeySequence::Paste);
}

// Puts text in a field that does not have the focus, as if an earlier visit had left it there.
void TestSupportWindow::setHeld(const QString &field, const QString &text) const
{
    if (auto *line = m_window->findChild<QLineEdit *>(field))
        line->setText(text);
    else if (auto *box = m_window->findChild<QPlainTextEdit *>(field))
        box->setPlainText(text);
    else
        qWarning("no field %s", qPrintable(field));
}

void TestSupportWindow::picksAMessageByTheIntegerPartOfFourTimesTheDraw_data()
{
    QTest::addColumn<float>("u");
    QTest::addColumn<int>("index");

    QTest::newRow("0") << 0.0f << 0;
    QTest::newRow("0.2499999") << 0.2499999f << 0;
    QTest::newRow("0.25") << 0.25f << 1;
    QTest::newRow("0.4999999") << 0.4999999f << 1;
    QTest::newRow("0.5") << 0.5f << 2;
    QTest::newRow("0.7499999") << 0.7499999f << 2;
    QTest::newRow("0.75") << 0.75f << 3;
    QTest::newRow("0.9999999") << 0.9999999f << 3;
    QTest::newRow("below range") << -0.1f << 0;
    QTest::newRow("1") << 1.0f << 3;
    QTest::newRow("above range") << 7.5f << 3;
    QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << 0;
}

void TestSupportWindow::picksAMessageByTheIntegerPartOfFourTimesTheDraw()
{
    QFETCH(float, u);
    QFETCH(int, index);
    QCOMPARE(supportMessageIndex(u), index);
}

void TestSupportWindow::picksEachMessageForAQuarterOfTheDraws()
{
    int counts[4] = {};
    for (int i = 0; i < 4096; ++i)
        ++counts[supportMessageIndex(static_cast<float>(i) / 4096.0f)];
    for (int count : counts)
        QCOMPARE(count, 1024);
}

void TestSupportWindow::showsTheChosenSupportMessage_data()
{
    QTest::addColumn<int>("messageIndex");
    QTest::addColumn<QString>("text");

    const QString first
        = u"Lorewell Softwares, such as this can be created and maintained only with your support. "
          u"The best way to support Lorewell is to visit Lorewell regularly and take part in the "
          u"discussions and other activities on the board."_s;
    const QString last
        = u"Lorewell needs your help. All you need to do is visit Lorewell regularly and take part "
          u"in the various discussions and activites to help us maintain and develop more Lorewell "
          u"Softwares."_s;
    QTest::newRow("0") << 0 << first;
    QTest::newRow("1") << 1
                       << u"Visit Lorewell regularly. Support Lorewell by taking part in the "
                          u"discussions and other activities. These softwares cannot be supported "
                          u"and maintained, without you regularly visiting Lorewell"_s;
    QTest::newRow("2") << 2
                       << u"Lorewell is a FREE online discussion forum for all things mystic. To "
                          u"help Lorewell develop and maintain this software visit Lorewell "
                          u"regularly."_s;
    QTest::newRow("3") << 3 << last;
}

void TestSupportWindow::showsTheChosenSupportMessage()
{
    QFETCH(int, messageIndex);
    QFETCH(QString, text);
    SupportWindow window(messageIndex);
    auto *label2 = window.findChild<QLabel *>(u"Label2"_s);
    QVERIFY(label2);
    QCOMPARE(label2->text(), text);
}

void TestSupportWindow::isATopmostWindowWithOnlyACloseBox()
{
    QCOMPARE(m_window->objectName(), u"frmNagScreen2");
    QCOMPARE(m_window->windowTitle(), u"Vorn Color Numerology v1.0");
    QVERIFY(!m_window->windowIcon().isNull());
    QCOMPARE(m_window->size(), QSize(twips(11115), twips(4725)));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(m_window->autoFillBackground());
    QCOMPARE(vorn::testing::ControlsCrossedByFrameLines(m_window), QStringList());

    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags & Qt::WindowStaysOnTopHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
}

void TestSupportWindow::placesControlsAsDesigned_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QColor>("textColor"); // invalid: the ordinary color
    QTest::addColumn<QColor>("background"); // invalid: none of its own
    QTest::addColumn<bool>("handCursor");

    const QColor none;
    const QColor navy(0, 0, 128);
    // A designed face: Verdana or the dialog face, as the program asks for them.
    auto face = [](bool verdana, qreal points, bool bold = false, bool underline = false) {
        QFont font = designFont(verdana ? FontRole::Text : FontRole::Dialog);
        font.setPointSizeF(points);
        font.setBold(bold);
        font.setUnderline(underline);
        return font;
    };
    const QFont dialog = face(false, 8.25);
    const QString window = u"frmNagScreen2"_s;

    QTest::newRow("Picture1") << u"QLabel"_s << window << QRect(360, 120, 540, 540) << QString()
                              << dialog << none << none << false;
    QTest::newRow("Label1") << u"QLabel"_s << window << QRect(1080, 240, 4320, 435)
                            << u"Vorn Color Numerology v1.0"_s << face(false, 18) << none << none
                            << false;
    QTest::newRow("Label2") << u"QLabel"_s << window << QRect(120, 840, 6975, 1095)
                            << supportMessages()[0] << face(true, 9.75, true) << none << none
                            << false;
    QTest::newRow("Check1") << u"QCheckBox"_s << window << QRect(30, 2040, 7185, 555)
                            << u"Click Here To Visit Lorewell Now"_s << face(true, 14.25)
                            << QColor(0, 0, 192) << none << true;
    QTest::newRow("cmdClose") << u"QPushButton"_s << window << QRect(6000, 2760, 1245, 375)
                              << u"E&xit"_s << dialog << none << none << false;
    QTest::newRow("Frame2") << u"QGroupBox"_s << window << QRect(120, 3240, 7065, 1455)
                            << u"Refer A Friend"_s << face(true, 9.75, true) << QColor(Qt::white)
                            << navy << false;
    QTest::newRow("txtName") << u"QLineEdit"_s << u"Frame2"_s << QRect(85, 360, 3375, 285)
                             << u"Your Name"_s << dialog << none << none << false;
    QTest::newRow("txtEmail") << u"QLineEdit"_s << u"Frame2"_s << QRect(3600, 360, 3375, 285)
                              << u"Your Email Address"_s << dialog << none << none << false;
    QTest::newRow("txtFriendName") << u"QLineEdit"_s << u"Frame2"_s << QRect(85, 720, 3375, 285)
                                   << u"Friend's Name"_s << dialog << none << none << false;
    QTest::newRow("txtFriendEmail")
        << u"QLineEdit"_s << u"Frame2"_s << QRect(3600, 720, 3375, 285)
        << u"Friend's Email Address"_s << dialog << none << none << false;
    QTest::newRow("cmdSubmit") << u"QPushButton"_s << u"Frame2"_s << QRect(1920, 1080, 3375, 285)
                               << u"Refer A Friend &Now"_s << face(true, 8.25, true) << none << none
                               << false;
    QTest::newRow("txtMessage") << u"QPlainTextEdit"_s << u"Frame2"_s
                                << QRect(4800, 3600, 1815, 495) << u"Your Message\n"_s << dialog
                                << none << none << false;
    QTest::newRow("Frame6") << u"QGroupBox"_s << window << QRect(7320, 120, 3735, 4575)
                            << u"Download Lorewell Softwares"_s << face(true, 9.75, true)
                            << QColor(Qt::white) << navy << false;
    QTest::newRow("lblGoToHome") << u"QLabel"_s << u"Frame6"_s << QRect(75, 4250, 3585, 210)
                                 << u"Click Here To Visit Lorewell Softwares"_s
                                 << face(true, 9, true, true) << QColor(255, 255, 0) << none
                                 << true;
    QTest::newRow("Label3") << u"QLabel"_s << u"Frame6"_s << QRect(120, 360, 3495, 3855)
                            << QString() << face(true, 9) << QColor(Qt::white) << none << false;
}

void TestSupportWindow::placesControlsAsDesigned()
{
    QFETCH(QString, kind);
    QFETCH(QString, container);
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    QFETCH(QFont, font);
    QFETCH(QColor, textColor);
    QFETCH(QColor, background);
    QFETCH(bool, handCursor);

    QWidget *widget = child(m_window, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(widget);
    QVERIFY(widget->inherits(kind.toLatin1().constData()));
    QCOMPARE(widget->parentWidget()->objectName(), container);
    const QRect designed = vorn::testing::TwipsToPixels(twips);
    if (widget->objectName() == u"Label1") {
        // The caption may run on to the right, where nothing lies, rather than be cut.
        QCOMPARE(widget->geometry().topLeft(), designed.topLeft());
        QCOMPARE(widget->height(), designed.height());
        QCOMPARE(widget->width(), std::max(designed.width(), widget->sizeHint().width()));
        QVERIFY(widget->geometry().right() < child(m_window, u"Frame6"_s)->x());
    } else {
        QCOMPARE(widget->geometry(), designed);
    }
    if (!text.isEmpty())
        QCOMPARE(TextOf(widget), text);
    QCOMPARE(widget->font().family(), font.family());
    if (widget->objectName() == u"lblGoToHome") {
        // A wider stand-in face steps the size down rather than cut the link's caption.
        QVERIFY(widget->font().pointSizeF() <= font.pointSizeF());
        QVERIFY(widget->font().pointSizeF() >= font.pointSizeF() - 1.5);
        QVERIFY(QFontMetrics(widget->font()).horizontalAdvance(TextOf(widget)) <= widget->width());
    } else {
        QCOMPARE(widget->font().pointSizeF(), font.pointSizeF());
    }
    QCOMPARE(widget->font().bold(), font.bold());
    QCOMPARE(widget->font().underline(), font.underline());

    // Text on the window or in a field is black; the panels' own colors must not leak into
    // the fields and the button they hold.
    const QColor expectedText = textColor.isValid() ? textColor : QColor(Qt::black);
    QCOMPARE(widget->palette().color(widget->foregroundRole()), expectedText);
    if (background.isValid()) {
        QVERIFY(widget->autoFillBackground());
        QCOMPARE(widget->palette().color(widget->backgroundRole()), background);
    } else if (widget->inherits("QLabel") || widget->inherits("QCheckBox")) {
        QVERIFY(!widget->autoFillBackground()); // shows what lies behind it
    }
    QCOMPARE(widget->cursor().shape() == Qt::PointingHandCursor, handCursor);
}

void TestSupportWindow::showsTheCatalogueParagraphExactly()
{
    auto *label3 = child<QLabel>(m_window, u"Label3"_s);
    QVERIFY(label3);
    const QString expected
        = u"If you have enjoyed this software you will surely be interested in our other Lorewell "
          u"Softwares. From a single software, we have now grown to become the world\u2019s "
          u"largest "
          u"resource of Lorewell Softwares. Be it astrology, psychic, tarot, numerology or occult, "
          u"we have programs in all fields thus giving our users a wide choice depending on their "
          u"interests."
          u"                                                             "
          u"All the programs in the Lorewell Softwares suite are simple and easy to use. They are "
          u"not only fun to use but also very informative. Try them out today and share your "
          u"experience with your friends and family. "_s;
    QCOMPARE(label3->text(), expected);
    const QString blanks = u"interests." + QString(61, u' ') + u"All";
    QVERIFY(label3->text().contains(blanks));
    QVERIFY(label3->text().contains(u"world\u2019s"));
    QCOMPARE(label3->textFormat(), Qt::PlainText);
    QVERIFY(label3->wordWrap());
    QVERIFY(child<QLabel>(m_window, u"Label2"_s)->wordWrap());
}

void TestSupportWindow::keepsTheMessageFieldOutOfSight()
{
    auto *txtMessage = child<QPlainTextEdit>(m_window, u"txtMessage"_s);
    QVERIFY(txtMessage);
    QVERIFY(txtMessage->y() >= txtMessage->parentWidget()->height());
    QVERIFY(txtMessage->isEnabled());
    QVERIFY(!txtMessage->isReadOnly());
    QVERIFY(txtMessage->tabChangesFocus());
    QCOMPARE(txtMessage->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(m_window->fields().message, u"Your Message\r\n");
}

void TestSupportWindow::opensWithExitFocusedAndNoDefaultButton()
{
    QCOMPARE(FocusName(), u"cmdClose");
    for (const auto *name : {"cmdClose", "cmdSubmit"}) {
        auto *button = child<QPushButton>(m_window, QLatin1String(name));
        QVERIFY(button);
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
    // Return presses the focused Exit, as Space would, and nothing else.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(m_quits, 1);
    QVERIFY(m_sent.isEmpty());
}

void TestSupportWindow::tabsThroughTheControlsInTheirOrder()
{
    // As designed: the link labels take no focus.
    const QStringList order
        = {u"Check1"_s,         u"txtName"_s,       u"cmdSubmit"_s,  u"txtEmail"_s,
           u"txtFriendEmail"_s, u"txtFriendName"_s, u"txtMessage"_s, u"cmdClose"_s};
    QStringList forward;
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << FocusName();
    }
    QCOMPARE(forward, order);

    QStringList backward;
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward << FocusName();
    }
    QStringList reversed(order.rbegin() + 1, order.rend());
    reversed << order.last();
    QCOMPARE(backward, reversed);
}

void TestSupportWindow::appliesThePlaceholderRuleOnEntryAndLeaving_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("held");
    QTest::addColumn<QString>("onEntry");
    QTest::addColumn<QString>("onLeaving");

    QTest::newRow("name placeholder") << u"txtName"_s << Untouched << QString() << u"Your Name"_s;
    QTest::newRow("email placeholder")
        << u"txtEmail"_s << Untouched << QString() << u"Your Email Address"_s;
    QTest::newRow("friend's name placeholder")
        << u"txtFriendName"_s << Untouched << QString() << u"Friend's Name"_s;
    QTest::newRow("friend's email placeholder")
        << u"txtFriendEmail"_s << Untouched << QString() << u"Friend's Email Address"_s;
    QTest::newRow("message as it starts")
        << u"txtMessage"_s << Untouched << u"Your Message\r\n"_s << u"Your Message\r\n"_s;
    QTest::newRow("message placeholder")
        << u"txtMessage"_s << u"Your Message"_s << QString() << u"Your Message"_s;
    QTest::newRow("placeholder between blanks")
        << u"txtEmail"_s << u"  Your Email Address "_s << QString() << u"Your Email Address"_s;
    QTest::newRow("placeholder in other letter case")
        << u"txtFriendName"_s << u"friend's name"_s << u"friend's name"_s << u"friend's name"_s;
    QTest::newRow("placeholder after a tab")
        << u"txtName"_s << u"\tYour Name"_s << u"\tYour Name"_s << u"\tYour Name"_s;
    QTest::newRow("name between blanks") << u"txtName"_s << u" Ann "_s << u" Ann "_s << u" Ann "_s;
    QTest::newRow("blanks only") << u"txtName"_s << u"   "_s << u"   "_s << u"Your Name"_s;
    QTest::newRow("empty") << u"txtFriendEmail"_s << u""_s << u""_s << u"Friend's Email Address"_s;
    QTest::newRow("message of blank lines")
        << u"txtMessage"_s << u"\r\n\r\n"_s << u"\r\n\r\n"_s << u"\r\n\r\n"_s;
    QTest::newRow("message of blanks")
        << u"txtMessage"_s << u"  "_s << u"  "_s << u"Your Message"_s;
}

void TestSupportWindow::appliesThePlaceholderRuleOnEntryAndLeaving()
{
    QFETCH(QString, field);
    QFETCH(QString, held);
    QFETCH(QString, onEntry);
    QFETCH(QString, onLeaving);

    if (!held.isNull())
        setHeld(field, held);
    QVERIFY(tabTo(field));
    // Emptied once the focus has been announced, as the event loop turns.
    QTRY_COMPARE(FieldValue(m_window->fields(), field), onEntry);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(FocusName() != field);
    QCOMPARE(FieldValue(m_window->fields(), field), onLeaving);
}

void TestSupportWindow::keepsWhatTheUserTyped_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("onReturn");

    QTest::newRow("name with blanks around")
        << u"txtName"_s << u" Ann Lee "_s << u" Ann Lee "_s << u" Ann Lee "_s;
    QTest::newRow("friend's name of blanks")
        << u"txtFriendName"_s << u"   "_s << u"Friend's Name"_s << QString();
    QTest::newRow("email emptied")
        << u"txtEmail"_s << QString() << u"Your Email Address"_s << QString();
    QTest::newRow("message emptied")
        << u"txtMessage"_s << QString() << u"Your Message"_s << QString();
    QTest::newRow("message of two lines") << u"txtMessage"_s << u"Hi Bob\r\nsee this"_s
                                          << u"Hi Bob\r\nsee this"_s << u"Hi Bob\r\nsee this"_s;
    QTest::newRow("message ending in a line break")
        << u"txtMessage"_s << u"Hi\r\n"_s << u"Hi\r\n"_s << u"Hi\r\n"_s;
}

void TestSupportWindow::keepsWhatTheUserTyped()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QString, onReturn);

    type(field, typed);
    QCOMPARE(FocusName(), field);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(FieldValue(m_window->fields(), field), kept);
    QVERIFY(tabTo(field));
    QTRY_COMPARE(FieldValue(m_window->fields(), field), onReturn);
}

void TestSupportWindow::leavesFieldsAloneWhenAnotherWindowIsActivated()
{
    type(u"txtName"_s, u"  "_s);
    setHeld(u"txtEmail"_s, u"Your Email Address"_s);
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(m_window->fields().name, u"  ");

    // Coming back to a field that holds its placeholder does not count as entering it either.
    m_window->findChild<QWidget *>(u"txtEmail"_s)->setFocus();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(FocusName(), u"txtEmail");
    QCOMPARE(m_window->fields().name, u"  ");
    QCOMPARE(m_window->fields().email, u"Your Email Address");
}

void TestSupportWindow::rejectsTypedSpacesInEmailFieldsOnly_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("messages");
    QTest::addColumn<bool>("inputMethod"); // committed by a desktop's input method, not keys

    QTest::newRow("email") << u"txtEmail"_s << u"an n@x.org"_s << u"ann@x.org"_s << 1 << false;
    QTest::newRow("email, from an input method")
        << u"txtEmail"_s << u"an n@x.org"_s << u"ann@x.org"_s << 1 << true;
    QTest::newRow("friend's email, from an input method")
        << u"txtFriendEmail"_s << u"b o b@y"_s << u"bob@y"_s << 1 << true;
    QTest::newRow("name, from an input method")
        << u"txtName"_s << u"Ann Lee"_s << u"Ann Lee"_s << 0 << true;
    QTest::newRow("email starting with a space")
        << u"txtEmail"_s << u" a@b.c "_s << u"a@b.c"_s << 2 << false;
    QTest::newRow("friend's email")
        << u"txtFriendEmail"_s << u"b o b@y"_s << u"bob@y"_s << 2 << false;
    QTest::newRow("name") << u"txtName"_s << u"Ann Lee"_s << u"Ann Lee"_s << 0 << false;
    QTest::newRow("friend's name") << u"txtFriendName"_s << u" Bob "_s << u" Bob "_s << 0 << false;
    QTest::newRow("message") << u"txtMessage"_s << u"Hi there"_s << u"Hi there"_s << 0 << false;
}

void TestSupportWindow::rejectsTypedSpacesInEmailFieldsOnly()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(int, messages);
    QFETCH(bool, inputMethod);

    MessageBoxAnswerer answerer;
    if (inputMethod) {
        QVERIFY(tabTo(field));
        QInputMethodEvent committed;
        committed.setCommitString(typed);
        QApplication::sendEvent(QApplication::focusWidget(), &committed);
    } else {
        type(field, typed);
    }
    QCOMPARE(answerer.texts(), QStringList(messages, u"Email Address Cannot Contain Space"_s));
    for (const SeenMessage &seen : std::as_const(answerer.seen)) {
        QCOMPARE(seen.title, u"Vorn Color Numerology");
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    QTRY_COMPARE(FocusName(), field);
    QCOMPARE(FieldValue(m_window->fields(), field), kept);
}

void TestSupportWindow::letsPastedSpacesIntoEmailFields()
{
    MessageBoxAnswerer answerer;
    paste(u"txtEmail"_s, u"a b@c.d"_s);
    paste(u"txtFriendEmail"_s, u" e@f.g "_s);
    QCOMPARE(answerer.texts(), QStringList());
    QCOMPARE(m_window->fields().email, u"a b@c.d");
    QCOMPARE(m_window->fields().friendEmail, u" e@f.g ");
}

void TestSupportWindow::opensTheHomePageOncePerClickOfTheBox_data()
{
    // Where the box is clicked, as a fraction of its width and height; none: the space bar.
    QTest::addColumn<QPointF>("at");
    QTest::newRow("on the box") << QPointF(-1, 0.5);
    QTest::newRow("right end") << QPointF(0.97, 0.5);
    QTest::newRow("top strip") << QPointF(0.5, 0.05);
    QTest::newRow("bottom strip") << QPointF(0.2, 0.95);
    QTest::newRow("space bar") << QPointF();
}

void TestSupportWindow::opensTheHomePageOncePerClickOfTheBox()
{
    QFETCH(QPointF, at);
    auto *check1 = child<QCheckBox>(m_window, u"Check1"_s);
    QVERIFY(check1);
    QStyleOptionButton option;
    option.initFrom(check1);
    const QPoint click = at.x() < 0
        ? check1->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check1).center()
        : QPoint(int(at.x() * check1->width()), int(at.y() * check1->height()));

    for (int clicks = 1; clicks <= 2; ++clicks) {
        if (at.isNull()) {
            QVERIFY(tabTo(u"Check1"_s));
            QTest::keyClick(check1, Qt::Key_Space);
        } else {
            QTest::mouseClick(check1, Qt::LeftButton, {}, click);
        }
        QCOMPARE(m_links, QList<Page>(clicks, Page::HomePage));
        QVERIFY(!check1->isChecked());
    }
    QCOMPARE(m_quits, 0);
}

void TestSupportWindow::opensTheCatalogueFromItsLink()
{
    auto *link = child<QLabel>(m_window, u"lblGoToHome"_s);
    QVERIFY(link);
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(m_links, QList<Page>{Page::SoftwareCataloguePage});
    QTest::mouseClick(link, Qt::RightButton);
    QCOMPARE(m_links.size(), 1);
}

void TestSupportWindow::showsTheFirstFailingCheckAndSendsNothing()
{
    MessageBoxAnswerer answerer;
    type(u"txtName"_s, u"Ann"_s);
    type(u"txtEmail"_s, u"ann@x.org"_s); // the friend's address is still its placeholder
    const ReferralValues before = m_window->fields();

    QTest::mouseClick(child(m_window, u"cmdSubmit"_s), Qt::LeftButton);
    QCOMPARE(answerer.texts(), QStringList{u"Please Enter Proper Email Address"_s});
    QCOMPARE(answerer.seen.first().title, u"Vorn Color Numerology");
    QCOMPARE(answerer.seen.first().icon, QMessageBox::Critical);
    QCOMPARE(answerer.seen.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(m_sent.isEmpty());
    QCOMPARE(m_window->fields().email, before.email);
    QCOMPARE(m_window->fields().friendEmail, before.friendEmail);
}

void TestSupportWindow::sendsTrimmedValuesAndKeepsTheEntries_data()
{
    QTest::addColumn<QStringList>("typed"); // name, email, message, friend's name and email
    QTest::addColumn<QStringList>("sent");

    QTest::newRow("blanks around the names, message untouched")
        << QStringList{u" Ann "_s, u"ann@example.org"_s, Untouched, u"Bob  "_s,
                       u"bob@example.org"_s}
        << QStringList{u"Ann"_s, u"ann@example.org"_s, u"Your Message\r\n"_s, u"Bob"_s,
                       u"bob@example.org"_s};
    QTest::newRow("addresses differing in letter case")
        << QStringList{u"Ann"_s, u"A@B.C"_s, u"Hello\r\nBob "_s, u"Bob"_s, u"a@b.c"_s}
        << QStringList{u"Ann"_s, u"A@B.C"_s, u"Hello\r\nBob"_s, u"Bob"_s, u"a@b.c"_s};
}

void TestSupportWindow::sendsTrimmedValuesAndKeepsTheEntries()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, sent);

    MessageBoxAnswerer answerer;
    const QStringList fields
        = {u"txtName"_s, u"txtEmail"_s, u"txtMessage"_s, u"txtFriendName"_s, u"txtFriendEmail"_s};
    for (int i = 0; i < fields.size(); ++i)
        if (!typed.at(i).isNull())
            type(fields.at(i), typed.at(i));
    QTest::mouseClick(child(m_window, u"cmdSubmit"_s), Qt::LeftButton);
    const ReferralValues kept = m_window->fields();
    QTest::mouseClick(child(m_window, u"cmdSubmit"_s), Qt::LeftButton);

    QCOMPARE(answerer.texts(), QStringList());
    QCOMPARE(m_sent.size(), 2);
    for (const ReferralValues &values : std::as_const(m_sent)) {
        QCOMPARE(values.name, sent.at(0));
        QCOMPARE(values.email, sent.at(1));
        QCOMPARE(values.message, sent.at(2));
        QCOMPARE(values.friendName, sent.at(3));
        QCOMPARE(values.friendEmail, sent.at(4));
    }
    for (int i = 0; i < fields.size(); ++i) {
        const QString held = FieldValue(kept, fields.at(i));
        QCOMPARE(FieldValue(m_window->fields(), fields.at(i)), held);
        if (!typed.at(i).isNull() && !trimBlanks(typed.at(i)).isEmpty())
            QCOMPARE(held, typed.at(i));
    }
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_quits, 0);
}

void TestSupportWindow::asksToQuitOnExitAndOnClosing_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Exit clicked") << 0;
    QTest::newRow("Alt+X") << 1;
    QTest::newRow("closed") << 2;
}

void TestSupportWindow::asksToQuitOnExitAndOnClosing()
{
    QFETCH(int, how);
    switch (how) {
    case 0:
        QTest::mouseClick(child(m_window, u"cmdClose"_s), Qt::LeftButton);
        break;
    case 1:
        QTest::keyClick(m_window, Qt::Key_X, Qt::AltModifier);
        break;
    default:
        QVERIFY(!m_window->close()); // what closing means is for the program to decide
        break;
    }
    QTRY_COMPARE(m_quits, 1); // a mnemonic clicks the button after a short delay
    QVERIFY(m_window->isVisible());
    QVERIFY(m_links.isEmpty());
    QVERIFY(m_sent.isEmpty());
}

QTEST_MAIN(TestSupportWindow)
#include "tst_supportwindow.moc"
