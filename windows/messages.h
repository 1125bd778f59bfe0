#pragma once

#include <QMessageBox>

namespace vorn {

// A modal message box titled with the program's title, with a single OK button; detail, if
// any, stands below the text (a path, or the system's reason).
void showMessage(QWidget *parent, const QString &text, QMessageBox::Icon icon,
                 const QString &detail = {});

// The Yes/No question with Yes as the default; true when the user answered Yes.
bool askYesNo(QWidget *parent, const QString &text, QMessageBox::Icon icon);

} // namespace vorn
