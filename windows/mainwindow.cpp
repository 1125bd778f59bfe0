#include "mainwindow.h"

#include "accessibility.h"
#include "captions.h"
#include "frame.h"
#include "geometry.h"
#include "linklabel.h"
#include "look.h"
#include "messages.h"
#include "picklist.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace vorn {

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setUpWindow(this, "frmMain", FontRole::Text);
    buildMenus();

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    setClientSize(client, 6450, 4050);
    buildBanner(client);
    buildNameFrame(client);
    buildOfferFrame(client);

    // Lies below the client area, out of sight; the user leaves through File > Exit or the
    // close box, and the focus never lands on it.
    auto *cmdExit = new QPushButton(QStringLiteral("E&xit"), client);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setFocusPolicy(Qt::NoFocus);
    cmdExit->setAutoDefault(false);
    place(cmdExit, 3720, 4320, 2085, 315);
    connect(cmdExit, &QPushButton::clicked, this, &MainWindow::exitRequested);

    setFocusChain({m_txtFirstName, m_txtMiddleName, m_txtLastName, m_cboMonth, m_cboDate, m_cboYear,
                   m_cmdNext});
    m_txtFirstName->setFocus();
    // The menu bar and the client area, and not a pixel more: the window cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::buildMenus()
{
    auto addItem = [this](QWidget *menu, const char *name, const QString &caption) {
        auto *action = new QAction(caption, this);
        action->setObjectName(QLatin1String(name));
        menu->addAction(action);
        return action;
    };
    auto addMenu = [this](const char *name, const QString &caption) {
        QMenu *menu = menuBar()->addMenu(caption);
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setObjectName(QLatin1String(name));
        return menu;
    };
    auto link = [this](QAction *action, Page page) {
        connect(action, &QAction::triggered, this, [this, page] { Q_EMIT linkRequested(page); });
    };

    QMenu *file = addMenu("nuFile", QStringLiteral("&File"));
    connect(addItem(file, "mnuNext", QStringLiteral("&Next")), &QAction::triggered, this,
            &MainWindow::onNextClicked);
    connect(addItem(file, "mnuExit", QStringLiteral("E&xit")), &QAction::triggered, this,
            &MainWindow::exitRequested);

    QMenu *help = addMenu("mnuHelp", QStringLiteral("&Help"));
    link(addItem(help, "mnuOnline", QStringLiteral("&Online Help")), Page::HelpPage);
    link(addItem(help, "mnuVisit", QStringLiteral("&Visit Us Online")), Page::HomePage);
    help->addSeparator()->setObjectName(QStringLiteral("mnuFileSep1"));
    link(addItem(help, "mnuUpdate", QStringLiteral("&Check for Software Update")),
         Page::DownloadPage);
    help->addSeparator()->setObjectName(QStringLiteral("mnuFileSep2"));
    connect(addItem(help, "mnuAbout", QStringLiteral("&About Software")), &QAction::triggered, this,
            &MainWindow::aboutRequested);

    link(addItem(menuBar(), "mnuDonate", QStringLiteral("&Donate")), Page::DonationPage);
    link(addItem(menuBar(), "mkmoney", QStringLiteral("Make Money &Online")), Page::FullBrandPage);
}

void MainWindow::buildBanner(QWidget *client)
{
    auto *bannerFrame = makeFrame(client, "Frame2");
    place(bannerFrame, 80, 0, 6300, 615);
    auto *banner = makeLabel<LinkLabel>(bannerFrame, "Label61", discussionBoardBanner(),
                                        FontRole::Banner, Red);
    place(banner, 120, 135, 6120, 585);
    connect(banner, &LinkLabel::clicked, this, [this] { Q_EMIT linkRequested(Page::HomePage); });

    auto *description = makeLabel<ClickableLabel>(client, "Label2", programDescriptionOpening(),
                                                  FontRole::Text, Red);
    description->setWordWrap(true);
    place(description, 120, 720, 6255, 615);
    connect(description, &LinkLabel::clicked, this,
            [this] { Q_EMIT linkRequested(Page::FullBrandPage); });
}

void MainWindow::buildNameFrame(QWidget *client)
{
    auto *fraName
        = makeFrame(client, "fraName", QStringLiteral("Please Fill In The Below Details:"));
    // The caption alone is bold: the controls inside take the window's font as they are made,
    // where a font set on each would make every pick list build its list at once.
    fraName->setCaptionFont(designFont(FontRole::Bold));
    setTextColor(fraName, Red);
    place(fraName, 80, 1440, 6255, 1605);

    auto caption = [fraName](const char *name, const char *text, int left, int width) {
        QLabel *label = makeLabel(fraName, name, QLatin1String(text), FontRole::Dialog, Red);
        place(label, left, 240, width, 195);
        // A face nobody measured may be wider than the design: never cut a caption.
        if (!isFaceInstalled(FontRole::Dialog))
            label->resize(qMax(label->width(), label->sizeHint().width()), label->height());
        return label;
    };
    QLabel *firstNameCaption = caption("Label1", "First Name", 120, 750);
    QLabel *middleNameCaption = caption("Label4", "Middle Name", 2160, 1095);
    QLabel *lastNameCaption = caption("Label5", "Last Name", 4200, 765);

    auto *typing = new UpperCaseTyping(this);
    auto *capitals = new CapitalLetters(this);
    auto nameBox = [fraName, typing, capitals](const char *name, int left, int width) {
        auto *box = new QLineEdit(fraName);
        box->setObjectName(QLatin1String(name));
        box->setMaxLength(std::numeric_limits<int>::max());
        setInputColors(box, Red);
        box->installEventFilter(typing);
        box->setValidator(capitals);
        place(box, left, 450, width, 345);
        return box;
    };
    m_txtFirstName = nameBox("txtFirstName", 90, 1905);
    m_txtMiddleName = nameBox("txtMiddleName", 2115, 1965);
    m_txtLastName = nameBox("txtLastName", 4200, 1935);
    // The captions name their boxes for a screen reader.
    firstNameCaption->setBuddy(m_txtFirstName);
    middleNameCaption->setBuddy(m_txtMiddleName);
    lastNameCaption->setBuddy(m_txtLastName);

    buildBirthDayFrame(fraName);
}

void MainWindow::buildBirthDayFrame(Frame *fraName)
{
    auto *fraBirthDay = makeFrame(fraName, "fraBirthDay", QStringLiteral("Date Of Birth"));
    fraBirthDay->setCaptionFont(designFont(FontRole::Bold));
    setTextColor(fraBirthDay, Red);
    place(fraBirthDay, 120, 840, 6045, 645);

    auto pickList = [fraBirthDay](const char *name, const char *spoken, const QStringList &entries,
                                  int left, int width) {
        auto *list = new PickList(fraBirthDay);
        list->setObjectName(QLatin1String(name));
        // No caption stands beside a pick list; an unseen one names it to a screen reader
        // (which hears a pick list's value as its name).
        auto *caption = new QLabel(QLatin1String(spoken), fraBirthDay);
        caption->hide();
        caption->setBuddy(list);
        setInputColors(list, Red);
        list->addItems(entries);
        place(list, left, 210, width, 315);
        return list;
    };
    QStringList days, months, years;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    for (int month = 1; month <= 12; ++month)
        months << monthName(month);
    for (int year = 1900; year <= 2050; ++year)
        years << QString::number(year);
    m_cboMonth = pickList("cboMonth", "Birth Month", months, 120, 1455);
    m_cboDate = pickList("cboDate", "Birth Day", days, 1760, 855);
    m_cboYear = pickList("cboYear", "Birth Year", years, 2800, 975);

    m_cmdNext = new QPushButton(QStringLiteral("&Next"), fraBirthDay);
    m_cmdNext->setObjectName(QStringLiteral("cmdNext"));
    m_cmdNext->setAutoDefault(false);
    place(m_cmdNext, 3960, 210, 1965, 315);
    connect(m_cmdNext, &QPushButton::clicked, this, &MainWindow::onNextClicked);
    pressOnEnter({m_cmdNext});
}

void MainWindow::buildOfferFrame(QWidget *client)
{
    auto *fraFullBrand = makeFrame(client, "fraFullBrand");
    place(fraFullBrand, 80, 3120, 6300, 855);
    auto offerLabel = [this, fraFullBrand](const char *name, const QString &caption, Page page) {
        LinkLabel *label = makeOfferLabel(name, caption, fraFullBrand);
        connect(label, &LinkLabel::clicked, this, [this, page] { Q_EMIT linkRequested(page); });
        return label;
    };
    // Declared in this order, so that the full-branding offer is in front by design.
    m_lblCobrand = offerLabel("lblCobrand", coBrandCaption(), Page::CoBrandPage);
    place(m_lblCobrand, 120, 160, 5985, 615);
    m_lblFullBrand = offerLabel("lblFullBrand", fullBrandCaption(), Page::FullBrandPage);
    place(m_lblFullBrand, 120, 165, 5985, 615);
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

void MainWindow::onNextClicked()
{
    const std::optional<EntryProblem> problem = validateInput(entries());
    if (!problem) {
        Q_EMIT nextRequested();
        return;
    }
    showMessage(this, problem->message, QMessageBox::Information);
    switch (problem->focus) {
    case EntryField::None:
        break;
    case EntryField::FirstName:
        m_txtFirstName->setFocus();
        break;
    case EntryField::LastName:
        m_txtLastName->setFocus();
        break;
    case EntryField::Day:
        m_cboDate->setFocus();
        break;
    case EntryField::Month:
        m_cboMonth->setFocus();
        break;
    case EntryField::Year:
        m_cboYear->setFocus();
        break;
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // What closing means is not the window's to decide.
    event->ignore();
    Q_EMIT closeRequested();
}

QValidator::State CapitalLetters::validate(QString &input, int &) const
{
    input = typedCapitals(input);
    return Acceptable;
}

bool UpperCaseTyping::eventFilter(QObject *watched, QEvent *event)
{
    // Typed characters come as key presses, or, from a desktop's input method, as the text it
    // commits.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString upper = typedCapitals(key->text());
        if (upper == key->text())
            return false;
        QKeyEvent typed(QEvent::KeyPress, key->key(), key->modifiers(), upper, key->isAutoRepeat(),
                        key->count());
        QCoreApplication::sendEvent(watched, &typed);
        return true;
    }
    if (event->type() == QEvent::InputMethod) {
        auto *input = static_cast<QInputMethodEvent *>(event);
        const QString upper = typedCapitals(input->commitString());
        if (upper == input->commitString())
            return false;
        QInputMethodEvent committed(input->preeditString(), input->attributes());
        committed.setCommitString(upper, input->replacementStart(), input->replacementLength());
        QCoreApplication::sendEvent(watched, &committed);
        return true;
    }
    return false;
}

} // namespace vorn
