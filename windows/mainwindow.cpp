#include "mainwindow.h"

#include "captions.h"
#include "layout.h"
#include "linklabel.h"
#include "messages.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace vorn {

namespace {

QGroupBox *makeFrame(const QString &name, const QString &caption, QWidget *parent)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}

QLabel *makeLabel(const QString &name, const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(WindowCaption());
    setWindowIcon(ProgramIcon());
    setCloseOnlyFrame(this);
    centreWhenFirstShown(this);
    setFont(Verdana(8.25));

    buildMenus();
    buildControls();
    fillPickLists();
}

void MainWindow::buildMenus()
{
    auto addItem = [this](QWidget *menu, const char *name, const QString &caption) {
        auto *action = new QAction(caption, this);
        action->setObjectName(QLatin1String(name));
        menu->addAction(action);
        return action;
    };
    auto addSeparator = [](QMenu *menu, const char *name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };
    auto link = [this](QAction *action, Page page) {
        connect(action, &QAction::triggered, this, [this, page] { Q_EMIT linkRequested(page); });
    };

    QMenuBar *bar = menuBar();
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("nuFile"));
    file->menuAction()->setObjectName(QStringLiteral("nuFile"));
    connect(addItem(file, "mnuNext", QStringLiteral("&Next")), &QAction::triggered, this,
            &MainWindow::cmdNext_Click);
    connect(addItem(file, "mnuExit", QStringLiteral("E&xit")), &QAction::triggered, this,
            &QWidget::close);

    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    link(addItem(help, "mnuOnline", QStringLiteral("&Online Help")), Page::HelpPage);
    link(addItem(help, "mnuVisit", QStringLiteral("&Visit Us Online")), Page::HomePage);
    addSeparator(help, "mnuFileSep1");
    link(addItem(help, "mnuUpdate", QStringLiteral("&Check for Software Update")),
         Page::DownloadPage);
    addSeparator(help, "mnuFileSep2");
    connect(addItem(help, "mnuAbout", QStringLiteral("&About Software")), &QAction::triggered, this,
            &MainWindow::aboutRequested);

    link(addItem(bar, "mnuDonate", QStringLiteral("&Donate")), Page::DonationPage);
    link(addItem(bar, "mkmoney", QStringLiteral("Make Money &Online")), Page::FullBrandPage);
}

void MainWindow::buildControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    client->setFixedSize(Twips(6450), Twips(4050));

    auto *frame2 = makeFrame(QStringLiteral("Frame2"), QString(), client);
    place(frame2, 80, 0, 6300, 615);
    auto *label61 = new LinkLabel(DiscussionBoardBanner(), frame2);
    label61->setObjectName(QStringLiteral("Label61"));
    label61->setFont(Verdana(9, false, true));
    setTextColor(label61, Red);
    place(label61, 120, 135, 6120, 585);
    label61->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(label61, &LinkLabel::clicked, this, [this] { Q_EMIT linkRequested(Page::HomePage); });

    auto *label2 = new ClickableLabel(
        QStringLiteral("Vorn Color Numerology finds the primary and secondary colors associated "
                       "with the Soul Number, Personality Number and the Life Journey Number of a "
                       "person. Using these colors in real life helps you grow "),
        client);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setWordWrap(true);
    label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColor(label2, Red);
    place(label2, 120, 720, 6255, 615);
    connect(label2, &LinkLabel::clicked, this,
            [this] { Q_EMIT linkRequested(Page::FullBrandPage); });

    auto *fraName = makeFrame(QStringLiteral("fraName"),
                              QStringLiteral("Please Fill In The Below Details:"), client);
    fraName->setFont(Verdana(8.25, true));
    setTextColor(fraName, Red);
    place(fraName, 80, 1440, 6255, 1605);

    auto nameCaption = [fraName](const char *name, const char *caption, int left, int width) {
        QLabel *label = makeLabel(QLatin1String(name), QLatin1String(caption), fraName);
        label->setFont(DialogFont());
        setTextColor(label, Red);
        place(label, left, 240, width, 195);
        // Where the dialog face is missing its stand-in may be wider: never cut a caption.
        label->resize(qMax(label->width(), label->sizeHint().width()), label->height());
    };
    nameCaption("Label1", "First Name", 120, 750);
    nameCaption("Label4", "Middle Name", 2160, 1095);
    nameCaption("Label5", "Last Name", 4200, 765);

    auto *typing = new UpperCaseTyping(this);
    auto nameBox = [fraName, typing](const char *name) {
        auto *box = new QLineEdit(fraName);
        box->setObjectName(QLatin1String(name));
        box->setFont(Verdana(8.25));
        box->setMaxLength(std::numeric_limits<int>::max());
        setInputColors(box, Red);
        box->installEventFilter(typing);
        return box;
    };
    m_txtFirstName = nameBox("txtFirstName");
    place(m_txtFirstName, 90, 450, 1905, 345);
    m_txtMiddleName = nameBox("txtMiddleName");
    place(m_txtMiddleName, 2115, 450, 1965, 345);
    m_txtLastName = nameBox("txtLastName");
    place(m_txtLastName, 4200, 450, 1935, 345);

    auto *fraBirthDay
        = makeFrame(QStringLiteral("fraBirthDay"), QStringLiteral("Date Of Birth"), fraName);
    fraBirthDay->setFont(Verdana(8.25, true));
    setTextColor(fraBirthDay, Red);
    place(fraBirthDay, 120, 840, 6045, 645);

    auto pickList = [fraBirthDay](const char *name) {
        auto *list = new QComboBox(fraBirthDay);
        list->setObjectName(QLatin1String(name));
        list->setEditable(false);
        list->setFont(Verdana(8.25));
        setInputColors(list, Red);
        return list;
    };
    m_cboMonth = pickList("cboMonth");
    place(m_cboMonth, 120, 210, 1455, 315);
    m_cboDate = pickList("cboDate");
    place(m_cboDate, 1760, 210, 855, 315);
    m_cboYear = pickList("cboYear");
    place(m_cboYear, 2800, 210, 975, 315);

    m_cmdNext = new QPushButton(QStringLiteral("&Next"), fraBirthDay);
    m_cmdNext->setObjectName(QStringLiteral("cmdNext"));
    m_cmdNext->setFont(Verdana(8.25));
    m_cmdNext->setAutoDefault(false);
    place(m_cmdNext, 3960, 210, 1965, 315);
    connect(m_cmdNext, &QPushButton::clicked, this, &MainWindow::cmdNext_Click);

    auto *fraFullBrand = makeFrame(QStringLiteral("fraFullBrand"), QString(), client);
    place(fraFullBrand, 80, 3120, 6300, 855);
    auto offerLabel = [this, fraFullBrand](const char *name, const QString &caption, Page page) {
        LinkLabel *label = makeOfferLabel(name, caption, fraFullBrand);
        connect(label, &LinkLabel::clicked, this, [this, page] { Q_EMIT linkRequested(page); });
        return label;
    };
    // Declared in this order, so that the full-branding offer is in front by design.
    m_lblCobrand = offerLabel("lblCobrand", CoBrandCaption(), Page::CoBrandPage);
    place(m_lblCobrand, 120, 160, 5985, 615);
    m_lblFullBrand = offerLabel("lblFullBrand", FullBrandCaption(), Page::FullBrandPage);
    place(m_lblFullBrand, 120, 165, 5985, 615);

    // Lies below the client area, out of sight; the user leaves through File > Exit or the
    // close box, and the focus never lands on it.
    auto *cmdExit = new QPushButton(QStringLiteral("E&xit"), client);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setFocusPolicy(Qt::NoFocus);
    cmdExit->setAutoDefault(false);
    place(cmdExit, 3720, 4320, 2085, 315);
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);

    setFocusChain({m_txtFirstName, m_txtMiddleName, m_txtLastName, m_cboMonth, m_cboDate, m_cboYear,
                   m_cmdNext});
    m_txtFirstName->setFocus();
}

void MainWindow::fillPickLists()
{
    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    m_cboDate->addItems(days);

    m_cboMonth->addItems({QStringLiteral("January"), QStringLiteral("February"),
                          QStringLiteral("March"), QStringLiteral("April"), QStringLiteral("May"),
                          QStringLiteral("June"), QStringLiteral("July"), QStringLiteral("August"),
                          QStringLiteral("September"), QStringLiteral("October"),
                          QStringLiteral("November"), QStringLiteral("December")});

    QStringList years;
    for (int year = 1900; year <= 2050; ++year)
        years << QString::number(year);
    m_cboYear->addItems(years);

    m_cboDate->setCurrentIndex(0);
    m_cboMonth->setCurrentIndex(0);
    m_cboYear->setCurrentIndex(0);
}

ReadingEntries MainWindow::entries() const
{
    return {m_txtFirstName->text(),   m_txtMiddleName->text(),   m_txtLastName->text(),
            m_cboDate->currentText(), m_cboMonth->currentText(), m_cboYear->currentText()};
}

void MainWindow::bringCobrandToFront()
{
    m_lblCobrand->raise();
}

void MainWindow::bringFullBrandToFront()
{
    m_lblFullBrand->raise();
}

void MainWindow::cmdNext_Click()
{
    if (!ValidateInput())
        return;
    Q_EMIT nextRequested();
}

bool MainWindow::ValidateInput()
{
    auto fail = [this](const char *message, QWidget *focus) {
        ShowMessage(this, QLatin1String(message), QMessageBox::Information);
        if (focus)
            focus->setFocus();
        return false;
    };

    if (m_txtFirstName->text().isEmpty())
        return fail("Please Enter Your First Name", m_txtFirstName);
    if (m_txtLastName->text().isEmpty())
        return fail("Please Enter Your Last Name", m_txtLastName);
    if (m_cboDate->currentText().isEmpty())
        return fail("Please Specify Your Birth Date", m_cboDate);
    if (m_cboMonth->currentText().isEmpty())
        return fail("Please Specify Your Birth Month", m_cboMonth);
    if (m_cboYear->currentText().isEmpty())
        return fail("Please Specify Your Birth Year", m_cboYear);

    // Month and day by their places in the lists.
    const int month = m_cboMonth->currentIndex() + 1;
    const int day = m_cboDate->currentIndex() + 1;
    const int year = m_cboYear->currentText().toInt();
    const bool leapYear = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (month == 2 && day > (leapYear ? 29 : 28))
        return fail("Please Enter Correct Date Or Month!", nullptr);
    if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31)
        return fail("Please Enter Correct Date Or Month !", nullptr);
    return true;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT leaving();
}

bool UpperCaseTyping::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const QString text = key->text();
    if (text.size() != 1 || text.at(0) < u'a' || text.at(0) > u'z')
        return false;
    QKeyEvent upper(QEvent::KeyPress, key->key(), key->modifiers(), text.toUpper(),
                    key->isAutoRepeat(), key->count());
    QCoreApplication::sendEvent(watched, &upper);
    return true;
}

} // namespace vorn
