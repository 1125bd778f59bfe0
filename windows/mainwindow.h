#pragma once

#include "imagelist.h"

#include <QMainWindow>
#include <web/pages.h>

class QAction;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace vorn {

class LinkLabel;

// The entries of a reading as the input window shows them.
struct ReadingEntries
{
    QString firstName;
    QString middleName;
    QString lastName;
    QString day;
    QString month;
    QString year;
};

// frmMain: the input window. The user types the names, picks the birth date, and asks for a
// reading with Next; the window checks the entries itself and emits nextRequested() when they
// may be used.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    ReadingEntries entries() const;

    // The swatches that the results window shows.
    const ImageList &imgColor() const { return m_imgColor; }

    // Which of the two offer labels sharing one place is in front.
    void bringCobrandToFront();
    void bringFullBrandToFront();

    // Runs the Next action: cmdNext and File > Next both come here.
    void cmdNext_Click();

Q_SIGNALS:
    void nextRequested();
    void linkRequested(vorn::Page page);
    void aboutRequested();
    // The user is leaving the window (Exit, File > Exit or closing it).
    void leaving();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildControls();
    void fillPickLists();
    bool ValidateInput();

    ImageList m_imgColor;
    QLineEdit *m_txtFirstName = nullptr;
    QLineEdit *m_txtMiddleName = nullptr;
    QLineEdit *m_txtLastName = nullptr;
    QComboBox *m_cboDate = nullptr;
    QComboBox *m_cboMonth = nullptr;
    QComboBox *m_cboYear = nullptr;
    QPushButton *m_cmdNext = nullptr;
    LinkLabel *m_lblCobrand = nullptr;
    LinkLabel *m_lblFullBrand = nullptr;
};

// Turns typed a to z into capitals as they are typed; pasted text and every other key pass.
class UpperCaseTyping : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace vorn
