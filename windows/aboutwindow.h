#pragma once

#include <QDialog>
#include <web/pages.h>

namespace vorn {

// frmAbout: names the program, describes it and links to the maker's sites. Modal; OK, Enter
// and Esc close it, its links leave it open.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);

Q_SIGNALS:
    void linkRequested(vorn::Page page);
};

} // namespace vorn
