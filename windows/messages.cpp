#include "messages.h"

#include "layout.h"

namespace vorn {

void ShowMessage(QWidget *parent, const QString &text, QMessageBox::Icon icon)
{
    QMessageBox box(icon, ApplicationTitle(), text, QMessageBox::Ok, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    // Give the keyboard back to the window the message spoke for, even where no window
    // manager reactivates it.
    if (parent)
        parent->activateWindow();
}

bool AskYesNo(QWidget *parent, const QString &text, QMessageBox::Icon icon)
{
    QMessageBox box(icon, ApplicationTitle(), text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

} // namespace vorn
