#include "supportwindow.h"

#include "accessibility.h"
#include "captions.h"
#include "frame.h"
#include "geometry.h"
#include "linklabel.h"
#include "look.h"
#include "messages.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <algorithm>
#include <limits>

namespace vorn {

namespace {

QString catalogueParagraph()
{
    // The run of blanks is what pushes the second paragraph onto a line of its own when the
    // label wraps.
    return QStringLiteral("If you have enjoyed this software you will surely be interested in "
                          "our other Lorewell Softwares. From a single software, we have now "
                          "grown to become the world")
        + QChar(u'\u2019')
        + QStringLiteral("s largest resource of Lorewell Softwares. Be it astrology, psychic, "
                         "tarot, numerology or occult, we have programs in all fields thus "
                         "giving our users a wide choice depending on their interests.")
        + QString(61, u' ')
        + QStringLiteral("All the programs in the Lorewell Softwares suite are simple and easy "
                         "to use. They are not only fun to use but also very informative. Try "
                         "them out today and share your experience with your friends and "
                         "family. ");
}

// A navy panel with a white caption. Only the window roles change, so that the text and base
// colors of the fields and the button inside stay the ordinary ones.
Frame *makePanel(const char *name, const QString &caption, QWidget *parent)
{
    Frame *frame = makeFrame(parent, name, caption);
    frame->setFont(designFont(FontRole::Heading));
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, Navy);
    palette.setColor(QPalette::WindowText, White);
    frame->setPalette(palette);
    return frame;
}

// Inside a navy panel: the colors a field would have on the window itself.
void keepFieldColors(QWidget *widget)
{
    const QPalette standard = designPalette();
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText})
        for (const QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, role, standard.color(group, role));
    widget->setPalette(palette);
}

QLineEdit *makeField(const char *name, const QString &text, QWidget *parent)
{
    auto *field = new QLineEdit(text, parent);
    field->setObjectName(QLatin1String(name));
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setFont(designFont(FontRole::Dialog));
    field->setAccessibleName(text); // the placeholder says what the field is for
    keepFieldColors(field);
    return field;
}

QPushButton *makeButton(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

const std::array<QString, 4> &supportMessages()
{
    static const std::array<QString, 4> messages = {
        QStringLiteral("Lorewell Softwares, such as this can be created and maintained only with "
                       "your support. The best way to support Lorewell is to visit Lorewell "
                       "regularly and take part in the discussions and other activities on the "
                       "board."),
        QStringLiteral("Visit Lorewell regularly. Support Lorewell by taking part in the "
                       "discussions and other activities. These softwares cannot be supported "
                       "and maintained, without you regularly visiting Lorewell"),
        QStringLiteral("Lorewell is a FREE online discussion forum for all things mystic. To "
                       "help Lorewell develop and maintain this software visit Lorewell "
                       "regularly."),
        QStringLiteral("Lorewell needs your help. All you need to do is visit Lorewell regularly "
                       "and take part in the various discussions and activites to help us "
                       "maintain and develop more Lorewell Softwares."),
    };
    return messages;
}

int supportMessageIndex(float u)
{
    const float scaled = u * 4.0f;
    if (!(scaled >= 0.0f)) // also NaN
        return 0;
    if (scaled >= 3.0f)
        return 3;
    return static_cast<int>(scaled);
}

SupportWindow::SupportWindow(int messageIndex, QWidget *parent)
    : QWidget(parent)
{
    setUpWindow(this, "frmNagScreen2", FontRole::Dialog);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setClientSize(this, 11115, 4725);
    QPalette background = palette();
    background.setColor(QPalette::Window, White);
    setPalette(background);
    setAutoFillBackground(true);

    buildSupportMessage(messageIndex);
    buildReferralFrame();
    buildCatalogueFrame();

    for (QWidget *field : std::initializer_list<QWidget *>{m_txtName, m_txtEmail, m_txtFriendName,
                                                           m_txtFriendEmail, m_txtMessage})
        field->installEventFilter(this);
    pressOnEnter({m_cmdClose, m_cmdSubmit});
    setFocusChain({m_cmdClose, m_visitLink, m_txtName, m_cmdSubmit, m_txtEmail, m_txtFriendEmail,
                   m_txtFriendName, m_txtMessage, m_cmdClose});
    m_cmdClose->setFocus();
}

void SupportWindow::buildSupportMessage(int messageIndex)
{
    auto *icon = makeLabel(this, "Picture1", QString(), FontRole::Dialog);
    icon->setPixmap(programIcon().pixmap(32, 32));
    place(icon, 360, 120, 540, 540);

    auto *title = makeLabel(this, "Label1", windowCaption(), FontRole::DialogTitle);
    place(title, 1080, 240, 4320, 435);
    // The caption names this program, in whatever face stands in for the old bitmap dialog
    // font; the space to its right is empty, so where it is wider than the design allowed for it
    // runs on rather than be cut. Measured when first shown, as the fitted link of the panel:
    // every reading loads this window out of sight, and each measure loads a font size of its own.
    whenFirstShown(this, [title] {
        title->resize(std::max(title->width(), title->sizeHint().width()), title->height());
    });

    auto *supportMessage
        = makeLabel(this, "Label2", supportMessages().at(static_cast<std::size_t>(messageIndex)),
                    FontRole::Heading);
    supportMessage->setWordWrap(true);
    place(supportMessage, 120, 840, 6975, 1095);

    m_visitLink = new LinkCheckBox(QStringLiteral("Click Here To Visit Lorewell Now"), this);
    m_visitLink->setObjectName(QStringLiteral("Check1"));
    m_visitLink->setFont(designFont(FontRole::LargeLink));
    m_visitLink->setCursor(Qt::PointingHandCursor);
    setTextColor(m_visitLink, LinkBlue);
    place(m_visitLink, 30, 2040, 7185, 555);
    connect(m_visitLink, &QCheckBox::clicked, this, &SupportWindow::onVisitLinkClicked);

    m_cmdClose = makeButton("cmdClose", QStringLiteral("E&xit"), this);
    place(m_cmdClose, 6000, 2760, 1245, 375);
    connect(m_cmdClose, &QPushButton::clicked, this, &SupportWindow::exitRequested);
}

void SupportWindow::buildReferralFrame()
{
    auto *referralFrame = makePanel("Frame2", QStringLiteral("Refer A Friend"), this);
    place(referralFrame, 120, 3240, 7065, 1455);

    m_txtName = makeField("txtName", namePlaceholder(), referralFrame);
    place(m_txtName, 85, 360, 3375, 285);
    m_txtEmail = makeField("txtEmail", emailPlaceholder(), referralFrame);
    place(m_txtEmail, 3600, 360, 3375, 285);
    m_txtFriendName = makeField("txtFriendName", friendNamePlaceholder(), referralFrame);
    place(m_txtFriendName, 85, 720, 3375, 285);
    m_txtFriendEmail = makeField("txtFriendEmail", friendEmailPlaceholder(), referralFrame);
    place(m_txtFriendEmail, 3600, 720, 3375, 285);

    m_cmdSubmit = makeButton("cmdSubmit", QStringLiteral("Refer A Friend &Now"), referralFrame);
    m_cmdSubmit->setFont(designFont(FontRole::Bold));
    keepFieldColors(m_cmdSubmit);
    place(m_cmdSubmit, 1920, 1080, 3375, 285);
    connect(m_cmdSubmit, &QPushButton::clicked, this, &SupportWindow::onSubmitClicked);

    // Designed below the frame's lower edge, so it is never seen; it still takes the focus.
    m_txtMessage = new QPlainTextEdit(referralFrame);
    m_txtMessage->setObjectName(QStringLiteral("txtMessage"));
    m_txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtMessage->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_txtMessage->setTabChangesFocus(true);
    m_txtMessage->setFont(designFont(FontRole::Dialog));
    m_txtMessage->setAccessibleName(messagePlaceholder());
    keepFieldColors(m_txtMessage);
    setFieldText(m_txtMessage, messagePlaceholder() + QStringLiteral("\r\n"));
    place(m_txtMessage, 4800, 3600, 1815, 495);
}

void SupportWindow::buildCatalogueFrame()
{
    auto *catalogueFrame = makePanel("Frame6", QStringLiteral("Download Lorewell Softwares"), this);
    place(catalogueFrame, 7320, 120, 3735, 4575);

    auto *catalogueText
        = makeLabel(catalogueFrame, "Label3", catalogueParagraph(), FontRole::Panel, White);
    catalogueText->setWordWrap(true);
    place(catalogueText, 120, 360, 3495, 3855);

    auto *lblGoToHome = makeLabel<LinkLabel>(
        catalogueFrame, "lblGoToHome", QStringLiteral("Click Here To Visit Lorewell Softwares"),
        FontRole::PanelLink, Yellow);
    place(lblGoToHome, 75, 4250, 3585, 210);
    whenFirstShown(this, [lblGoToHome] { fitFontToWidth(lblGoToHome, lblGoToHome->text()); });
    connect(lblGoToHome, &LinkLabel::clicked, this,
            [this] { Q_EMIT linkRequested(Page::SoftwareCataloguePage); });
}

ReferralValues SupportWindow::fields() const
{
    return {fieldText(m_txtName), fieldText(m_txtEmail), fieldText(m_txtMessage),
            fieldText(m_txtFriendName), fieldText(m_txtFriendEmail)};
}

QString SupportWindow::fieldText(const QWidget *field) const
{
    if (field != m_txtMessage)
        return static_cast<const QLineEdit *>(field)->text();
    // The document keeps lines as blocks; the message travels with the CR LF line breaks it
    // was given, so that the untouched "Your Message" CR LF stays what it was.
    QString text;
    for (QTextBlock block = m_txtMessage->document()->begin(); block.isValid();
         block = block.next()) {
        if (block != m_txtMessage->document()->begin())
            text += QStringLiteral("\r\n");
        text += block.text();
    }
    text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return text;
}

void SupportWindow::setFieldText(QWidget *field, const QString &text)
{
    if (field == m_txtMessage)
        m_txtMessage->setPlainText(text);
    else
        static_cast<QLineEdit *>(field)->setText(text);
}

QString SupportWindow::placeholderOf(const QObject *field) const
{
    if (field == m_txtName)
        return namePlaceholder();
    if (field == m_txtEmail)
        return emailPlaceholder();
    if (field == m_txtFriendName)
        return friendNamePlaceholder();
    if (field == m_txtFriendEmail)
        return friendEmailPlaceholder();
    return messagePlaceholder();
}

void SupportWindow::enterOrLeave(QWidget *field, const QFocusEvent &event)
{
    // Switching to another window (a message box, another program) or opening a context menu
    // does not enter or leave the field.
    if (event.reason() == Qt::ActiveWindowFocusReason || event.reason() == Qt::PopupFocusReason)
        return;
    const QString trimmed = trimBlanks(fieldText(field));
    if (event.type() == QEvent::FocusIn && trimmed == placeholderOf(field)) {
        // Qt tells assistive tools of the focus only after this. Told first of the emptied text,
        // Orca takes its caret for the focus, says nothing, and drops the focus that follows as a
        // repeat: the field is emptied once the focus has been told, or when a key reaches it
        // before that.
        m_toEmpty = field;
        QMetaObject::invokeMethod(
            this, [this, field] { emptyPlaceholder(field); }, Qt::QueuedConnection);
    } else if (event.type() == QEvent::FocusOut) {
        m_toEmpty = nullptr;
        if (trimmed.isEmpty())
            setFieldText(field, placeholderOf(field));
    }
}

void SupportWindow::emptyPlaceholder(QWidget *field)
{
    if (m_toEmpty != field)
        return;
    m_toEmpty = nullptr;
    if (trimBlanks(fieldText(field)) == placeholderOf(field))
        setFieldText(field, QString());
}

bool SupportWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        enterOrLeave(field, *static_cast<QFocusEvent *>(event));
        break;
    case QEvent::KeyPress:
        emptyPlaceholder(field);
        if ((field == m_txtEmail || field == m_txtFriendEmail)
            && static_cast<QKeyEvent *>(event)->text() == QStringLiteral(" ")) {
            refuseSpace(field);
            return true;
        }
        break;
    case QEvent::InputMethod: {
        emptyPlaceholder(field);
        // Typing through a desktop's input method commits text instead of sending keys.
        auto *input = static_cast<QInputMethodEvent *>(event);
        if ((field != m_txtEmail && field != m_txtFriendEmail)
            || !input->commitString().contains(u' '))
            break;
        QInputMethodEvent withoutSpaces(input->preeditString(), input->attributes());
        withoutSpaces.setCommitString(QString(input->commitString()).remove(u' '),
                                      input->replacementStart(), input->replacementLength());
        refuseSpace(field);
        QCoreApplication::sendEvent(field, &withoutSpaces);
        return true;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void SupportWindow::refuseSpace(QWidget *field)
{
    showMessage(this, QStringLiteral("Email Address Cannot Contain Space"), QMessageBox::Critical);
    field->setFocus(Qt::OtherFocusReason);
}

void SupportWindow::onVisitLinkClicked()
{
    if (!m_visitLink->isChecked())
        return;
    m_visitLink->setChecked(false);
    Q_EMIT linkRequested(Page::HomePage);
}

void SupportWindow::onSubmitClicked()
{
    const ReferralValues held = fields();
    if (const std::optional<QString> problem = checkReferral(held))
        showMessage(this, *problem, QMessageBox::Critical);
    else
        Q_EMIT tellAFriendRequested(trimmedValues(held));
}

void SupportWindow::closeEvent(QCloseEvent *event)
{
    // What closing means is not the window's to decide.
    event->ignore();
    Q_EMIT closeRequested();
}

} // namespace vorn
