#include "resultswindow.h"

#include "accessibility.h"
#include "captions.h"
#include "frame.h"
#include "geometry.h"
#include "linklabel.h"
#include "look.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>
#include <reading/entries.h>
#include <reading/swatches.h>
#include <reading/working.h>

using namespace Qt::StringLiterals;

namespace vorn {

namespace {

// Control names and the places where the three tabs differ.
struct TabDesign
{
    const char *frame;
    const char *numberCaption, *number;
    const char *primaryCaption, *primaryColor, *primaryColorDesc, *primaryPicture;
    const char *secondaryCaption, *secondaryColor, *secondaryColorDesc, *secondaryPicture;
    const char *keywordsCaption, *keywords;
    const char *interpretationCaption, *interpretation;
    int valueLeft; // left of the value column
    int numberWidth;
    int primaryDescLeft;
    int primaryDescWidth;
    int secondaryDescWidth;
    int secondaryTop; // top of the secondary color row
};

constexpr std::array<TabDesign, 3> Designs = {{
    {.frame = "Frame1",
     .numberCaption = "Label1",
     .number = "lblLifeJourneyNumber",
     .primaryCaption = "Label2",
     .primaryColor = "lblLifeJourneyPrimaryColor",
     .primaryColorDesc = "txtLifeJourneyPrimaryColorDesc",
     .primaryPicture = "picLifeJourneyPrimaryColor",
     .secondaryCaption = "Label4",
     .secondaryColor = "lblLifeJourneySecondaryColor",
     .secondaryColorDesc = "txtLifeJourneySecondaryColorDesc",
     .secondaryPicture = "picLifeJourneySecondaryColor",
     .keywordsCaption = "Label6",
     .keywords = "lblLifeJourneyKeywords",
     .interpretationCaption = "Label9",
     .interpretation = "txtLifeJourneyNumberDisplay",
     .valueLeft = 2640,
     .numberWidth = 3570,
     .primaryDescLeft = 2640,
     .primaryDescWidth = 4140,
     .secondaryDescWidth = 4140,
     .secondaryTop = 1755},
    {.frame = "Frame3",
     .numberCaption = "Label12",
     .number = "lblSoulNumber",
     .primaryCaption = "Label10",
     .primaryColor = "lblSoulPrimaryColor",
     .primaryColorDesc = "txtSoulPrimaryColorDesc",
     .primaryPicture = "picSoulPrimaryColor",
     .secondaryCaption = "Label8",
     .secondaryColor = "lblSoulSecondaryColor",
     .secondaryColorDesc = "txtSoulSecondaryColorDesc",
     .secondaryPicture = "picSoulSecondaryColor",
     .keywordsCaption = "Label5",
     .keywords = "lblSoulKeywords",
     .interpretationCaption = "Label7",
     .interpretation = "txtSoulUrgeNumberDisplay",
     .valueLeft = 2610,
     .numberWidth = 2400,
     .primaryDescLeft = 2610,
     .primaryDescWidth = 4125,
     .secondaryDescWidth = 4125,
     .secondaryTop = 1755},
    {.frame = "Frame4",
     .numberCaption = "Label20",
     .number = "lblPersonalityNumber",
     .primaryCaption = "Label18",
     .primaryColor = "lblPersonalityPrimaryColor",
     .primaryColorDesc = "txtPersonalityPrimaryColorDesc",
     .primaryPicture = "picPersonalityPrimaryColor",
     .secondaryCaption = "Label16",
     .secondaryColor = "lblPersonalitySecondaryColor",
     .secondaryColorDesc = "txtPersonalitySecondaryColorDesc",
     .secondaryPicture = "picPersonalitySecondaryColor",
     .keywordsCaption = "Label14",
     .keywords = "lblPersonalityKeywords",
     .interpretationCaption = "Label3",
     .interpretation = "txtPersonalityNumberDisplay",
     .valueLeft = 2610,
     .numberWidth = 3510,
     .primaryDescLeft = 2640,
     .primaryDescWidth = 4140,
     .secondaryDescWidth = 4125,
     .secondaryTop = 1875},
}};

// A value of the reading that the keyboard can reach, so that a screen reader speaks it with
// its caption; its text can be selected and copied from the keyboard. Only the keyboard takes
// it in, and it shows that it has the focus as a button does.
class ValueLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QLabel::paintEvent(event);
        drawTextFocus(this);
    }
};

QPlainTextEdit *makeLockedBox(const char *name, const QString &spoken, QWidget *parent)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(spoken);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFont(designFont(FontRole::Text));
    setInputColors(box, Blue);
    return box;
}

} // namespace

ResultsWindow::ResultsWindow(QWidget *parent)
    : QWidget(parent)
{
    setUpWindow(this, "frmDisplay", FontRole::Text);
    setClientSize(this, 7455, 7335);

    auto *bannerFrame = makeFrame(this, "Frame2");
    place(bannerFrame, 0, 0, 7455, 615);
    auto *banner = makeLabel<LinkLabel>(bannerFrame, "Label61", discussionBoardBanner(),
                                        FontRole::BoldLink, Red);
    place(banner, 120, 180, 7215, 315);
    connect(banner, &LinkLabel::clicked, this, [this] { Q_EMIT linkRequested(Page::HomePage); });

    auto *tabs = m_tabWidget = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setUsesScrollButtons(false);
    place(tabs, 0, 720, 7455, 5775);
    for (ReadingCategory category : ReadingCategories) {
        const auto index = static_cast<std::size_t>(category);
        m_pages[index] = buildTab(category, m_tabs[index]);
        tabs->addTab(m_pages[index], fromUtf8(TabCaption(category)));
    }
    tabs->setCurrentIndex(static_cast<int>(ReadingCategory::Personality));
    // Ctrl+Tab and Ctrl+Shift+Tab turn the tabs from within; so do Ctrl+Page Down and Up.
    for (const auto &[keys, step] :
         {std::pair{Qt::CTRL | Qt::Key_PageDown, 1}, std::pair{Qt::CTRL | Qt::Key_PageUp, -1}}) {
        auto *turn = new QShortcut(QKeySequence(keys), tabs);
        turn->setContext(Qt::WidgetWithChildrenShortcut);
        connect(turn, &QShortcut::activated, tabs, [tabs, step = step] {
            tabs->setCurrentIndex((tabs->currentIndex() + step + tabs->count()) % tabs->count());
        });
    }

    buildOfferFrame();
    buildKeepingActions();
}

QWidget *ResultsWindow::buildTab(ReadingCategory category, Tab &tab)
{
    const TabDesign &d = Designs[static_cast<std::size_t>(category)];
    auto *page = new QWidget;
    auto *frame = makeFrame(page, d.frame);
    // The page begins under the tab row, 360 twips below the control's top edge.
    place(frame, 0, 0, 7455 - 30, 5775 - 360 - 30);

    // A caption names the value beside it for a screen reader.
    auto caption = [frame](const char *name, const QString &text, int top, QWidget *value) {
        QLabel *label = makeLabel(frame, name, text, FontRole::Bold, Blue);
        placeAt(label, 120, top);
        label->setBuddy(value);
    };
    auto value = [frame, &d](const char *name, FontRole font, const QColor &color) {
        QLabel *label = makeLabel<ValueLabel>(frame, name, QLatin1String(name), font, color);
        label->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
        label->setFocusPolicy(Qt::TabFocus);
        return label;
    };
    auto picture = [frame](const char *name, int top) {
        auto *label = makeLabel(frame, name, QString(), FontRole::Text);
        place(label, 6840, top, 405, 405);
        return label;
    };

    tab.number = value(d.number, FontRole::Number, Blue);
    place(tab.number, d.valueLeft, 240, d.numberWidth, 345);
    caption(d.numberCaption, fromUtf8(TabCaption(category)), 315, tab.number);

    tab.primaryColor = value(d.primaryColor, FontRole::Bold, Red);
    place(tab.primaryColor, d.valueLeft, 675, 4140, 225);
    caption(d.primaryCaption, primaryColorCaption(), 675, tab.primaryColor);
    tab.primaryColorDesc
        = makeLockedBox(d.primaryColorDesc, primaryColorCaption() + u" Description", frame);
    place(tab.primaryColorDesc, d.primaryDescLeft, 915, d.primaryDescWidth, 795);
    tab.primaryPicture = picture(d.primaryPicture, 915);

    tab.secondaryColor = value(d.secondaryColor, FontRole::Bold, Red);
    place(tab.secondaryColor, d.valueLeft, d.secondaryTop, 4140, 225);
    caption(d.secondaryCaption, secondaryColorCaption(), d.secondaryTop, tab.secondaryColor);
    tab.secondaryColorDesc
        = makeLockedBox(d.secondaryColorDesc, secondaryColorCaption() + u" Description", frame);
    place(tab.secondaryColorDesc, d.valueLeft, 2115, d.secondaryDescWidth, 795);
    tab.secondaryPicture = picture(d.secondaryPicture, 2115);

    tab.keywords = value(d.keywords, FontRole::Bold, Red);
    place(tab.keywords, d.valueLeft, 2955, 4515, 615);
    caption(d.keywordsCaption, keywordsCaption(), 2955, tab.keywords);
    // Until a reading writes it, the keywords label shows the line of the number 1.
    tab.keywords->setText(fromUtf8(FindCatalogueRecord(category, 1)->Keywords));
    tab.keywords->setWordWrap(true);

    tab.interpretation = makeLockedBox(d.interpretation, interpretationCaption(), frame);
    place(tab.interpretation, 120, 3555, 7140, 1755);
    caption(d.interpretationCaption, interpretationCaption(), 3315, tab.interpretation);

    // The short values first, each with its caption, then the long texts.
    setFocusChain({tab.number, tab.primaryColor, tab.secondaryColor, tab.keywords,
                   tab.primaryColorDesc, tab.secondaryColorDesc, tab.interpretation});
    for (QWidget *withMenu : std::initializer_list<QWidget *>{
             tab.number, tab.primaryColor, tab.secondaryColor, tab.keywords, tab.primaryColorDesc,
             tab.secondaryColorDesc, tab.interpretation})
        withMenu->installEventFilter(this);
    return page;
}

void ResultsWindow::buildOfferFrame()
{
    auto *fraFullBrand = makeFrame(this, "fraFullBrand");
    place(fraFullBrand, 0, 6480, 7455, 855);
    auto offerLabel = [this, fraFullBrand](const char *name, const QString &caption, Page page) {
        LinkLabel *label = makeOfferLabel(name, caption, fraFullBrand);
        place(label, 120, 165, 5985, 615);
        // The Back button stands over the right end of the offer; wrap the text before it.
        label->setContentsMargins(0, 0, twips(120 + 5985 - 5880) + 4, 0);
        connect(label, &LinkLabel::clicked, this, [this, page] { Q_EMIT linkRequested(page); });
    };
    // The co-branding offer is declared last and so stands in front.
    offerLabel("lblFullBrand", fullBrandCaption(), Page::FullBrandPage);
    offerLabel("lblCobrand", coBrandCaption(), Page::CoBrandPage);

    auto *cmdBack = new QPushButton(QStringLiteral("&Back"), fraFullBrand);
    cmdBack->setObjectName(QStringLiteral("cmdback"));
    cmdBack->setFont(designFont(FontRole::Bold));
    cmdBack->setAutoDefault(false);
    place(cmdBack, 5880, 240, 1455, 375);
    cmdBack->raise();
    connect(cmdBack, &QPushButton::clicked, this, &ResultsWindow::backRequested);
    pressOnEnter({cmdBack});
}

void ResultsWindow::buildKeepingActions()
{
    auto action = [this](const char *name, const QString &text, const QKeySequence &keys,
                         void (ResultsWindow::*signal)()) {
        auto *action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        action->setShortcutVisibleInContextMenu(true);
        addAction(action); // the shortcut works anywhere in the window
        connect(action, &QAction::triggered, this, signal);
        return action;
    };
    // Ctrl+C and the C of the menu stay the text boxes' own Copy.
    m_keeping = {
        action("actSaveReading", QStringLiteral("&Save Reading as PDF..."), QKeySequence::Save,
               &ResultsWindow::saveRequested),
        action("actPrintReading", QStringLiteral("&Print Reading..."), QKeySequence::Print,
               &ResultsWindow::printRequested),
        action("actCopyReading", QStringLiteral("Copy &Reading"),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &ResultsWindow::copyRequested),
    };
}

void ResultsWindow::contextMenuEvent(QContextMenuEvent *event)
{
    // Whatever the mouse or the keyboard (the Menu key, Shift+F10) asks it of, in the window
    // or any control that has no menu of its own.
    showKeepingMenu(new QMenu(this), *event);
}

bool ResultsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ContextMenu)
        return QWidget::eventFilter(watched, event);
    // A text box keeps its own Copy and Select All above the reading's actions.
    auto *menuEvent = static_cast<QContextMenuEvent *>(event);
    auto *box = qobject_cast<QPlainTextEdit *>(watched);
    QMenu *menu = box
        ? box->createStandardContextMenu(box->viewport()->mapFrom(box, menuEvent->pos()))
        : new QMenu(this);
    if (!menu->isEmpty())
        menu->addSeparator();
    showKeepingMenu(menu, *menuEvent);
    return true;
}

void ResultsWindow::showKeepingMenu(QMenu *menu, const QContextMenuEvent &event)
{
    menu->setObjectName(QStringLiteral("mnuReading"));
    menu->addActions(m_keeping);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event.globalPos());
    // Opened from the keyboard, a menu starts on its first item, which a screen reader says.
    if (event.reason() == QContextMenuEvent::Keyboard) {
        const QList<QAction *> items = menu->actions();
        const auto first = std::find_if(items.begin(), items.end(), [](const QAction *item) {
            return item->isEnabled() && !item->isSeparator();
        });
        if (first != items.end())
            menu->setActiveAction(*first);
    }
}

void ResultsWindow::setReading(const Reading &reading)
{
    for (const Section &section : reading.sections)
        showSection(section);
}

void ResultsWindow::showSection(const Section &section)
{
    const auto index = static_cast<std::size_t>(section.category);
    const Tab &tab = m_tabs[index];
    tab.number->setText(section.shown);
    // Switching to the tab says its number too.
    m_tabWidget->tabBar()->setAccessibleTabName(int(index), section.title() + u' ' + section.shown);
    // As rich text, so that a long working wraps instead of running off the screen. Qt would
    // wrap it to a narrow column of a few words: a long one is given the width of a line of
    // about 64 characters, and a short one stays on its line.
    const QString working = workingHtml(section.working);
    constexpr qsizetype LineLength = 64;
    const int lineWidth = QFontMetrics(QToolTip::font()).averageCharWidth() * LineLength;
    if (section.working.size() > LineLength)
        tab.number->setToolTip(u"<table width=\""_s + QString::number(lineWidth) + u"\"><tr><td>"_s
                               + working + u"</td></tr></table>"_s);
    else
        tab.number->setToolTip(u"<p style=\"white-space: pre\">"_s + working + u"</p>"_s);
    tab.number->setAccessibleDescription(section.working);

    // A number without a reading shows empty lines, and no description or swatch.
    auto showColor = [](const std::optional<Color> &color, QLabel *name,
                        QPlainTextEdit *description, QLabel *picture) {
        name->setText(color ? color->name : QString());
        if (!color)
            return;
        description->setPlainText(color->description.value_or(fromUtf8(NotAvailable)));
        picture->setPixmap(swatch(color->picture));
        // A swatch is named by the color it shows.
        picture->setAccessibleName(
            fromUtf8(PictureColorName(static_cast<std::int16_t>(color->picture))));
    };
    showColor(section.primary, tab.primaryColor, tab.primaryColorDesc, tab.primaryPicture);
    showColor(section.secondary, tab.secondaryColor, tab.secondaryColorDesc, tab.secondaryPicture);
    tab.keywords->setText(section.keywords);

    // The box shows the start of the text with its scroll bar at the top.
    tab.interpretation->setPlainText(section.interpretationBox);
    QTextCursor caret = tab.interpretation->textCursor();
    caret.movePosition(QTextCursor::Start);
    tab.interpretation->setTextCursor(caret);
    tab.interpretation->verticalScrollBar()->setValue(0);
}

void ResultsWindow::closeEvent(QCloseEvent *event)
{
    // What closing means is not the window's to decide.
    event->ignore();
    Q_EMIT closeRequested();
}

} // namespace vorn
