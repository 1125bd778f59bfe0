#include "aboutwindow.h"

#include "accessibility.h"
#include "captions.h"
#include "geometry.h"
#include "linklabel.h"
#include "look.h"

#include <QPushButton>

namespace vorn {

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent)
{
    setUpWindow(this, "frmAbout", FontRole::Text);
    setModal(true);
    setClientSize(this, 6825, 3840);

    auto *icon = makeLabel(this, "Picture1", QString(), FontRole::Text);
    icon->setPixmap(programIcon().pixmap(32, 32));
    place(icon, 120, 120, 480, 480);

    auto label = [this](const char *name, const QString &text, FontRole font) {
        QLabel *l = makeLabel(this, name, text, font, Red);
        l->setWordWrap(true);
        return l;
    };
    place(label("Label2", windowCaption(), FontRole::Heading), 840, 120, 4575, 255);
    place(label("Label1", programDescription(), FontRole::Text), 840, 600, 5775, 1065);
    place(label("Label3", homeBusinessOffer(), FontRole::Bold), 840, 2130, 5685, 675);

    auto link = [this](const char *name, const QString &text, Page page) {
        auto *l = makeLabel<LinkLabel>(this, name, text, FontRole::Link, Red);
        connect(l, &LinkLabel::clicked, this, [this, page] { Q_EMIT linkRequested(page); });
        return l;
    };
    place(link("lblHomePage",
               QStringLiteral("Click here to visit ") + pageUrl(Page::HomePage).toString(),
               Page::HomePage),
          2640, 1800, 4050, 195);
    place(link("lblCoBrand", QStringLiteral(" Click here for more details."), Page::FullBrandPage),
          4320, 2880, 2415, 195);

    auto *rule = new QWidget(this);
    rule->setObjectName(QStringLiteral("Line1"));
    rule->setAutoFillBackground(true);
    QPalette linePalette = rule->palette();
    linePalette.setColor(QPalette::Window, Salmon);
    rule->setPalette(linePalette);
    rule->setGeometry(twips(-60), twips(3270), twips(6840 + 60) + 1, 1);

    auto *cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    place(cmdOK, 5400, 3360, 1260, 345);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    pressOnEnter({cmdOK});
    cmdOK->setFocus();
}

} // namespace vorn
