#include "aboutwindow.h"

#include "captions.h"
#include "layout.h"
#include "linklabel.h"

#include <QLabel>
#include <QPushButton>

namespace vorn {

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(WindowCaption());
    setWindowIcon(ProgramIcon());
    setCloseOnlyFrame(this);
    centreWhenFirstShown(this);
    setModal(true);
    setFont(Verdana(8.25));
    setClientSize(this, 6825, 3840);

    auto *picture1 = new QLabel(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setPixmap(ProgramIcon().pixmap(32, 32));
    picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(picture1, 120, 120, 480, 480);

    auto label = [this](const char *name, const QString &text, const QFont &font) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setTextFormat(Qt::PlainText);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setFont(font);
        setTextColor(l, Red);
        return l;
    };
    place(label("Label2", WindowCaption(), Verdana(9.75, true)), 840, 120, 4575, 255);
    place(label("Label1", ProgramDescription(), Verdana(8.25)), 840, 600, 5775, 1065);
    place(label("Label3",
                QStringLiteral("Home Business Opportunity. Start your own Internet business and "
                               "make money online. Get this software fully branded for your "
                               "website."),
                Verdana(8.25, true)),
          840, 2130, 5685, 675);

    auto link = [this](const char *name, const QString &text, Page page) {
        auto *l = new LinkLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setFont(Verdana(8.25, false, true));
        setTextColor(l, Red);
        connect(l, &LinkLabel::clicked, this, [this, page] { Q_EMIT linkRequested(page); });
        return l;
    };
    place(link("lblHomePage",
               QStringLiteral("Click here to visit ") + PageUrl(Page::HomePage).toString(),
               Page::HomePage),
          2640, 1800, 4050, 195);
    place(link("lblCoBrand", QStringLiteral(" Click here for more details."), Page::FullBrandPage),
          4320, 2880, 2415, 195);

    auto *line1 = new QWidget(this);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setAutoFillBackground(true);
    QPalette linePalette = line1->palette();
    linePalette.setColor(QPalette::Window, QColor(255, 128, 128));
    line1->setPalette(linePalette);
    line1->setGeometry(Twips(-60), Twips(3270), Twips(6840 + 60) + 1, 1);

    auto *cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    place(cmdOK, 5400, 3360, 1260, 345);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    cmdOK->setFocus();
}

} // namespace vorn
