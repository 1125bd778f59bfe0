#include "messages.h"

#include "captions.h"

namespace vorn {

void showMessage(QWidget *parent, const QString &text, QMessageBox::Icon icon)
{
    QMessageBox box(icon, applicationTitle(), text, QMessageBox::Ok, parent);
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
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

} // namespace vorn
