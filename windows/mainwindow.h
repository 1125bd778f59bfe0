#pragma once

#include <QMainWindow>
#include <QValidator>
#include <reading/entries.h>
#include <web/pages.h>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace vorn {

class Frame;
class LinkLabel;

// frmMain: the input window. The user types the names, picks the birth date, and asks for a
// reading with Next; the window checks the entries and emits nextRequested() when they pass.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    ReadingEntries entries() const;

    // Which of the two offer labels sharing one place is in front.
    void bringCobrandToFront();
    void bringFullBrandToFront();

Q_SIGNALS:
    void nextRequested();
    void linkRequested(vorn::Page page);
    void aboutRequested();
    void exitRequested(); // Exit, or File > Exit
    void closeRequested(); // the close box, Alt+F4 or the system menu

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildBanner(QWidget *client);
    void buildNameFrame(QWidget *client);
    void buildBirthDayFrame(Frame *fraName);
    void buildOfferFrame(QWidget *client);
    void onNextClicked();

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

// Turns typed a to z into capitals as they are typed, from the keyboard or a desktop's input
// method, so that the box's undo steps hold what it shows; every other character passes
// unchanged.
class UpperCaseTyping : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Turns a to z into capitals in whatever else reaches a name box: a paste, a drop, the text an
// assistive tool sets. (A change made here starts the box's undo history afresh.)
class CapitalLetters : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};

} // namespace vorn
