#include "messages.h"

#include "captions.h"
#include "look.h"

#include <QGridLayout>

namespace vorn {

namespace {

// The program's title and icon on a box wide enough that a window manager's title bar shows
// the whole title beside its icon and buttons: the box is otherwise sized by its text alone.
void setUpBox(QMessageBox &box)
{
    box.setWindowIcon(programIcon());
    QFont titleFont = box.font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    const int room = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + 120;
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(room, 0), grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

void showMessage(QWidget *parent, const QString &text, QMessageBox::Icon icon,
                 const QString &detail)
{
    QMessageBox box(icon, applicationTitle(), text, QMessageBox::Ok, parent);
    box.setInformativeText(detail);
    setUpBox(box);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    // Give the keyboard back to the window the message spoke for, even where no window
    // manager reactivates it.
    if (parent)
        parent->activateWindow();
}

bool askYesNo(QWidget *parent, const QString &text, QMessageBox::Icon icon)
{
    QMessageBox box(icon, applicationTitle(), text, QMessageBox::Yes | QMessageBox::No, parent);
    setUpBox(box);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

} // namespace vorn
