// The floor: the least a Qt Widgets program does to show the same input window as the program
// (menus, frames, three line edits, three pick lists of 31, 12 and 151 entries, a button and
// the labels, at the same places and with the same texts) and, on a click of its button, a
// three-tab window of the same controls as the results window, filled with texts of the same
// length. Toolkit defaults everywhere: no fonts, colors, icons, settings, lock or images of
// its own. The windows carry the program's object names so that the same probe measures both.
//
// With --design-fonts the controls take the fonts of the program's design (Verdana and the
// classic dialog face in their designed sizes and weights) and nothing else changes: the
// difference between the two floors is what the design's fonts cost the toolkit.

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

bool DesignFonts = false;

void designFont(QWidget *w, qreal points, bool bold = false, bool underline = false,
                const char *family = "Verdana")
{
    if (!DesignFonts)
        return;
    QFont font{QLatin1String(family)};
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    w->setFont(font);
}

void place(QWidget *w, int left, int top, int width, int height)
{
    auto px = [](int twips) { return (twips * 2 + 15) / 30; };
    w->setGeometry(px(left), px(top), px(width), px(height));
}

template<typename W>
W *make(const char *name, QWidget *parent)
{
    auto *w = new W(parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

QLabel *label(const char *name, const QString &text, QWidget *parent, bool wrap = false)
{
    auto *l = make<QLabel>(name, parent);
    l->setText(text);
    l->setWordWrap(wrap);
    return l;
}

const QString Banner = QStringLiteral("Join the mystic discussions on Lorewell: www.example.org");
const QString Offer = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website. Click here for more details.");

// Stands in for the catalogue's paragraphs: a text of about their length.
QString Paragraph(int length)
{
    const QString words = QStringLiteral(
        "Color carries meaning and a reading joins the numbers of a name and a birth date to "
        "the colors that strengthen them in daily life. ");
    QString text;
    while (text.size() < length)
        text += words;
    text.truncate(length);
    return text;
}

QWidget *buildResults()
{
    auto *window = new QWidget;
    window->setObjectName(QStringLiteral("frmDisplay"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QStringLiteral("Floor results"));
    window->setFixedSize(497, 489);
    designFont(window, 8.25);

    auto *frame2 = make<QGroupBox>("Frame2", window);
    place(frame2, 0, 0, 7455, 615);
    auto *banner = label("Label61", Banner, frame2);
    designFont(banner, 8.25, true, true);
    place(banner, 120, 180, 7215, 315);

    auto *tabs = make<QTabWidget>("SSTab1", window);
    place(tabs, 0, 720, 7455, 5775);
    QPixmap swatch(25, 25);
    swatch.fill(Qt::red);
    for (const char *caption : {"Life Journey Number", "Soul Number", "Personality Number"}) {
        auto *page = new QWidget;
        // In its tab before it is filled, so that it is laid out once, in its final font.
        tabs->addTab(page, QLatin1String(caption));
        auto *frame = make<QGroupBox>("Frame", page);
        place(frame, 0, 0, 7425, 5385);
        auto row = [frame](const char *text, int top) {
            QLabel *caption = label("Caption", QLatin1String(text), frame);
            designFont(caption, 8.25, true);
            caption->move(8, (top * 2 + 15) / 30);
        };
        auto value = [frame](const char *name, const char *text, bool wrap = false) {
            QLabel *value = label(name, QLatin1String(text), frame, wrap);
            designFont(value, 8.25, true);
            return value;
        };
        row(caption, 315);
        auto *number = label("Number", QStringLiteral("7"), frame);
        designFont(number, 14.25, true);
        place(number, 2640, 240, 3570, 345);
        row("Primary Color", 675);
        place(value("PrimaryColor", "Violet"), 2640, 675, 4140, 225);
        auto *primaryDesc = make<QPlainTextEdit>("PrimaryColorDesc", frame);
        primaryDesc->setPlainText(Paragraph(420));
        place(primaryDesc, 2640, 915, 4140, 795);
        auto *primaryPicture = label("PrimaryPicture", QString(), frame);
        primaryPicture->setPixmap(swatch);
        place(primaryPicture, 6840, 915, 405, 405);
        row("Secondary Color", 1755);
        place(value("SecondaryColor", "Pearl, Magenta"), 2640, 1755, 4140, 225);
        auto *secondaryDesc = make<QPlainTextEdit>("SecondaryColorDesc", frame);
        secondaryDesc->setPlainText(Paragraph(420));
        place(secondaryDesc, 2640, 2115, 4140, 795);
        auto *secondaryPicture = label("SecondaryPicture", QString(), frame);
        secondaryPicture->setPixmap(swatch);
        place(secondaryPicture, 6840, 2115, 405, 405);
        row("Keywords", 2955);
        place(value("Keywords", "Inner Work, Vision, Spirituality", true), 2640, 2955, 4515, 615);
        row("Interpretation", 3315);
        auto *interpretation = make<QPlainTextEdit>("Interpretation", frame);
        interpretation->setPlainText(Paragraph(900));
        place(interpretation, 120, 3555, 7140, 1755);
    }
    tabs->setCurrentIndex(2);

    auto *fraFullBrand = make<QGroupBox>("fraFullBrand", window);
    place(fraFullBrand, 0, 6480, 7455, 855);
    for (const char *name : {"lblFullBrand", "lblCobrand"}) {
        QLabel *offer = label(name, Offer, fraFullBrand, true);
        designFont(offer, 8.25, true, true);
        place(offer, 120, 165, 5985, 615);
    }
    auto *back = make<QPushButton>("cmdback", fraFullBrand);
    back->setText(QStringLiteral("&Back"));
    designFont(back, 8.25, true);
    place(back, 5880, 240, 1455, 375);
    return window;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    DesignFonts = QCoreApplication::arguments().contains(QStringLiteral("--design-fonts"));

    QMainWindow window;
    window.setObjectName(QStringLiteral("frmMain"));
    window.setWindowTitle(QStringLiteral("Floor"));
    designFont(&window, 8.25);

    QMenuBar *bar = window.menuBar();
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Next"));
    file->addAction(QStringLiteral("E&xit"));
    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Online Help"));
    help->addAction(QStringLiteral("&Visit Us Online"));
    help->addSeparator();
    help->addAction(QStringLiteral("&Check for Software Update"));
    help->addSeparator();
    help->addAction(QStringLiteral("&About Software"));
    bar->addAction(QStringLiteral("&Donate"));
    bar->addAction(QStringLiteral("Make Money &Online"));

    auto *client = new QWidget;
    client->setFixedSize(430, 270);
    window.setCentralWidget(client);

    auto *frame2 = make<QGroupBox>("Frame2", client);
    place(frame2, 80, 0, 6300, 615);
    auto *banner = label("Label61", Banner, frame2);
    designFont(banner, 9, false, true);
    place(banner, 120, 135, 6120, 585);
    place(label("Label2",
                QStringLiteral("Vorn Color Numerology finds the primary and secondary colors "
                               "associated with the Soul Number, Personality Number and the Life "
                               "Journey Number of a person. Using these colors in real life helps "
                               "you grow "),
                client, true),
          120, 720, 6255, 615);

    auto *fraName = make<QGroupBox>("fraName", client);
    fraName->setTitle(QStringLiteral("Please Fill In The Below Details:"));
    designFont(fraName, 8.25, true);
    place(fraName, 80, 1440, 6255, 1605);
    auto caption = [fraName](const char *name, const char *text, int left, int width) {
        QLabel *caption = label(name, QLatin1String(text), fraName);
        designFont(caption, 8.25, false, false, "MS Sans Serif");
        place(caption, left, 240, width, 195);
    };
    caption("Label1", "First Name", 120, 750);
    caption("Label4", "Middle Name", 2160, 1095);
    caption("Label5", "Last Name", 4200, 765);
    auto box = [fraName](const char *name, int left, int width) {
        auto *box = make<QLineEdit>(name, fraName);
        designFont(box, 8.25);
        place(box, left, 450, width, 345);
    };
    box("txtFirstName", 90, 1905);
    box("txtMiddleName", 2115, 1965);
    box("txtLastName", 4200, 1935);

    auto *fraBirthDay = make<QGroupBox>("fraBirthDay", fraName);
    fraBirthDay->setTitle(QStringLiteral("Date Of Birth"));
    designFont(fraBirthDay, 8.25, true);
    place(fraBirthDay, 120, 840, 6045, 645);
    auto *month = make<QComboBox>("cboMonth", fraBirthDay);
    place(month, 120, 210, 1455, 315);
    auto *day = make<QComboBox>("cboDate", fraBirthDay);
    place(day, 1760, 210, 855, 315);
    auto *year = make<QComboBox>("cboYear", fraBirthDay);
    place(year, 2800, 210, 975, 315);
    for (int d = 1; d <= 31; ++d)
        day->addItem(QString::number(d));
    for (const char *m : {"January", "February", "March", "April", "May", "June", "July", "August",
                          "September", "October", "November", "December"})
        month->addItem(QLatin1String(m));
    for (int y = 1900; y <= 2050; ++y)
        year->addItem(QString::number(y));

    auto *next = make<QPushButton>("cmdNext", fraBirthDay);
    next->setText(QStringLiteral("&Next"));
    for (QWidget *w : std::initializer_list<QWidget *>{month, day, year, next})
        designFont(w, 8.25);
    place(next, 3960, 210, 1965, 315);
    QObject::connect(next, &QPushButton::clicked, [] { buildResults()->show(); });

    auto *fraFullBrand = make<QGroupBox>("fraFullBrand", client);
    place(fraFullBrand, 80, 3120, 6300, 855);
    auto offer = [fraFullBrand](const char *name, int top) {
        QLabel *offer = label(name, Offer, fraFullBrand, true);
        designFont(offer, 8.25, true, true);
        place(offer, 120, top, 5985, 615);
    };
    offer("lblCobrand", 160);
    offer("lblFullBrand", 165);

    window.show();
    return QApplication::exec();
}
