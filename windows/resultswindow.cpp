#include "resultswindow.h"

#include "captions.h"
#include "imagelist.h"
#include "layout.h"
#include "linklabel.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

namespace vorn {

namespace {

QString Str(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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
    int secondaryTop; // top of the secondary colour row
};

constexpr std::array<TabDesign, 3> Designs = {{
    {"Frame1",
     "Label1",
     "lblLifeJourneyNumber",
     "Label2",
     "lblLifeJourneyPrimaryColor",
     "txtLifeJourneyPrimaryColorDesc",
     "picLifeJourneyPrimaryColor",
     "Label4",
     "lblLifeJourneySecondaryColor",
     "txtLifeJourneySecondaryColorDesc",
     "picLifeJourneySecondaryColor",
     "Label6",
     "lblLifeJourneyKeywords",
     "Label9",
     "txtLifeJourneyNumberDisplay",
     2640,
     3570,
     2640,
     4140,
     4140,
     1755},
    {"Frame3",
     "Label12",
     "lblSoulNumber",
     "Label10",
     "lblSoulPrimaryColor",
     "txtSoulPrimaryColorDesc",
     "picSoulPrimaryColor",
     "Label8",
     "lblSoulSecondaryColor",
     "txtSoulSecondaryColorDesc",
     "picSoulSecondaryColor",
     "Label5",
     "lblSoulKeywords",
     "Label7",
     "txtSoulUrgeNumberDisplay",
     2610,
     2400,
     2610,
     4125,
     4125,
     1755},
    {"Frame4",
     "Label20",
     "lblPersonalityNumber",
     "Label18",
     "lblPersonalityPrimaryColor",
     "txtPersonalityPrimaryColorDesc",
     "picPersonalityPrimaryColor",
     "Label16",
     "lblPersonalitySecondaryColor",
     "txtPersonalitySecondaryColorDesc",
     "picPersonalitySecondaryColor",
     "Label14",
     "lblPersonalityKeywords",
     "Label3",
     "txtPersonalityNumberDisplay",
     2610,
     3510,
     2640,
     4140,
     4125,
     1875},
}};

// The keywords line that a keywords label shows until a reading writes it.
constexpr const char *DesignKeywords
    = "Stimulation, Growth, excitement, high spirits, and physical energy, Determination, Passion";

QLabel *makeLabel(const char *name, const QString &caption, const QFont &font, const QColor &color,
                  QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    setTextColor(label, color);
    return label;
}

QPlainTextEdit *makeLockedBox(const char *name, QWidget *parent)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFont(Verdana(8.25));
    setInputColors(box, Blue);
    return box;
}

QLabel *makePictureBox(const char *name, QWidget *parent)
{
    auto *picture = new QLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return picture;
}

} // namespace

ResultsWindow::ResultsWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(WindowCaption());
    setWindowIcon(ProgramIcon());
    setCloseOnlyFrame(this);
    centreWhenFirstShown(this);
    setFont(Verdana(8.25));
    setClientSize(this, 7455, 7335);

    auto *frame2 = new QGroupBox(this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    place(frame2, 0, 0, 7455, 615);
    auto *label61 = new LinkLabel(DiscussionBoardBanner(), frame2);
    label61->setObjectName(QStringLiteral("Label61"));
    label61->setFont(Verdana(8.25, true, true));
    setTextColor(label61, Red);
    place(label61, 120, 180, 7215, 315);
    connect(label61, &LinkLabel::clicked, this, [this] { Q_EMIT linkRequested(Page::HomePage); });

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setFont(Verdana(8.25));
    m_tabs->setUsesScrollButtons(false);
    place(m_tabs, 0, 720, 7455, 5775);
    for (ReadingCategory category : ReadingCategories) {
        const auto index = static_cast<std::size_t>(category);
        m_tabs->addTab(buildTab(category, m_tabControls[index]), Str(TabCaption(category)));
    }
    m_tabs->setCurrentIndex(static_cast<int>(ReadingCategory::Personality));

    auto *fraFullBrand = new QGroupBox(this);
    fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    place(fraFullBrand, 0, 6480, 7455, 855);
    auto offerLabel = [this, fraFullBrand](const char *name, const QString &caption, Page page) {
        LinkLabel *label = makeOfferLabel(name, caption, fraFullBrand);
        place(label, 120, 165, 5985, 615);
        // The Back button stands over the right end of the offer; wrap the text before it.
        label->setContentsMargins(0, 0, Twips(120 + 5985 - 5880) + 4, 0);
        connect(label, &LinkLabel::clicked, this, [this, page] { Q_EMIT linkRequested(page); });
        return label;
    };
    // The co-branding offer is declared last and so stands in front.
    offerLabel("lblFullBrand", FullBrandCaption(), Page::FullBrandPage);
    offerLabel("lblCobrand", CoBrandCaption(), Page::CoBrandPage);

    auto *cmdBack = new QPushButton(QStringLiteral("&Back"), fraFullBrand);
    cmdBack->setObjectName(QStringLiteral("cmdback"));
    cmdBack->setFont(Verdana(8.25, true));
    cmdBack->setAutoDefault(false);
    place(cmdBack, 5880, 240, 1455, 375);
    cmdBack->raise();
    connect(cmdBack, &QPushButton::clicked, this, &ResultsWindow::backRequested);
}

QWidget *ResultsWindow::buildTab(ReadingCategory category, Tab &tab)
{
    const TabDesign &d = Designs[static_cast<std::size_t>(category)];
    auto *page = new QWidget;
    auto *frame = new QGroupBox(page);
    frame->setObjectName(QLatin1String(d.frame));
    // The page begins under the tab row, 360 twips below the control's top edge.
    place(frame, 0, 0, 7455 - 30, 5775 - 360 - 30);

    const QFont caption = Verdana(8.25, true);
    auto captionLabel = [&](const char *name, const QString &text, int top) {
        placeAt(makeLabel(name, text, caption, Blue, frame), 120, top);
    };
    auto valueLabel = [&](const char *name, int top, int width, int height) {
        QLabel *label = makeLabel(name, QLatin1String(name), caption, Red, frame);
        place(label, d.valueLeft, top, width, height);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };

    captionLabel(d.numberCaption, Str(TabCaption(category)), 315);
    tab.number = makeLabel(d.number, QLatin1String(d.number), Verdana(14.25, true), Blue, frame);
    place(tab.number, d.valueLeft, 240, d.numberWidth, 345);

    captionLabel(d.primaryCaption, QStringLiteral("Primary Color"), 675);
    tab.primaryColor = valueLabel(d.primaryColor, 675, 4140, 225);
    tab.primaryColorDesc = makeLockedBox(d.primaryColorDesc, frame);
    place(tab.primaryColorDesc, d.primaryDescLeft, 915, d.primaryDescWidth, 795);
    tab.primaryPicture = makePictureBox(d.primaryPicture, frame);
    place(tab.primaryPicture, 6840, 915, 405, 405);

    captionLabel(d.secondaryCaption, QStringLiteral("Secondary Color"), d.secondaryTop);
    tab.secondaryColor = valueLabel(d.secondaryColor, d.secondaryTop, 4140, 225);
    tab.secondaryColorDesc = makeLockedBox(d.secondaryColorDesc, frame);
    place(tab.secondaryColorDesc, d.valueLeft, 2115, d.secondaryDescWidth, 795);
    tab.secondaryPicture = makePictureBox(d.secondaryPicture, frame);
    place(tab.secondaryPicture, 6840, 2115, 405, 405);

    captionLabel(d.keywordsCaption, QStringLiteral("Keywords"), 2955);
    tab.keywords = valueLabel(d.keywords, 2955, 4515, 615);
    tab.keywords->setText(QLatin1String(DesignKeywords));
    tab.keywords->setWordWrap(true);

    captionLabel(d.interpretationCaption, QStringLiteral("Interpretation"), 3315);
    tab.interpretation = makeLockedBox(d.interpretation, frame);
    place(tab.interpretation, 120, 3555, 7140, 1755);
    return page;
}

void ResultsWindow::ApplyCatalogueRecord(ReadingCategory category, std::int16_t number,
                                         const ImageList &images)
{
    const TabFill fill = DecideTabFill(category, number);
    const Tab &tab = m_tabControls[static_cast<std::size_t>(category)];
    if (fill.NumberCaption)
        tab.number->setText(Str(*fill.NumberCaption));
    if (fill.PrimaryColor)
        tab.primaryColor->setText(Str(*fill.PrimaryColor));
    if (fill.PrimaryColorDesc)
        tab.primaryColorDesc->setPlainText(Str(*fill.PrimaryColorDesc));
    if (fill.PrimaryPicture)
        tab.primaryPicture->setPixmap(images.picture(*fill.PrimaryPicture));
    if (fill.SecondaryPicture)
        tab.secondaryPicture->setPixmap(images.picture(*fill.SecondaryPicture));
    if (fill.SecondaryColorDesc)
        tab.secondaryColorDesc->setPlainText(Str(*fill.SecondaryColorDesc));
    if (fill.SecondaryColor)
        tab.secondaryColor->setText(Str(*fill.SecondaryColor));
    if (fill.Keywords)
        tab.keywords->setText(Str(*fill.Keywords));
    fillInterpretationBox(tab.interpretation, fill);
}

void ResultsWindow::fillInterpretationBox(QPlainTextEdit *box, const TabFill &fill)
{
    // The box shows the start of the text with its scroll bar at the top.
    box->setPlainText(Str(fill.InterpretationText));
    QTextCursor caret = box->textCursor();
    caret.movePosition(QTextCursor::Start);
    box->setTextCursor(caret);
    box->verticalScrollBar()->setValue(0);
}

void ResultsWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT leaving();
}

} // namespace vorn
