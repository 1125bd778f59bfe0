#pragma once

#include <QWidget>
#include <array>
#include <web/pages.h>
#include <web/tellafriend.h>

class QCheckBox;
class QFocusEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vorn {

class LinkLabel;

// The four support messages; supportMessageIndex(u) picks one for a draw u in [0, 1), taking
// the integer part of 4u in single precision.
const std::array<QString, 4> &supportMessages();
int supportMessageIndex(float u);

// frmNagScreen2: shown when the user leaves the program. Asks for support of the maker's
// community site, links to it and to the maker's catalogue, and carries the "Refer A Friend"
// form. Stays on top of other windows. Closing it in any way ends the program.
class SupportWindow : public QWidget
{
    Q_OBJECT

public:
    // messageIndex (0 to 3) chooses the support message shown in Label2.
    explicit SupportWindow(int messageIndex, QWidget *parent = nullptr);

    // The five fields as they stand now, untrimmed.
    ReferralValues fields() const;

Q_SIGNALS:
    void linkRequested(vorn::Page page);
    // The form's checks passed: send these values, trimmed of blanks.
    void tellAFriendRequested(const vorn::ReferralValues &values);
    void exitRequested();
    void closeRequested(); // the close box, Alt+F4 or the system menu

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildSupportMessage(int messageIndex);
    void buildReferralFrame();
    void buildCatalogueFrame();
    void onSubmitClicked();
    void onVisitLinkClicked();
    void enterOrLeave(QWidget *field, const QFocusEvent &event);
    void emptyPlaceholder(QWidget *field);
    void refuseSpace(QWidget *field);
    QString fieldText(const QWidget *field) const;
    void setFieldText(QWidget *field, const QString &text);
    QString placeholderOf(const QObject *field) const;

    QPushButton *m_cmdClose = nullptr;
    QCheckBox *m_visitLink = nullptr;
    QLineEdit *m_txtName = nullptr;
    QLineEdit *m_txtEmail = nullptr;
    QLineEdit *m_txtFriendName = nullptr;
    QLineEdit *m_txtFriendEmail = nullptr;
    QPlainTextEdit *m_txtMessage = nullptr;
    QPushButton *m_cmdSubmit = nullptr;
    QWidget *m_toEmpty = nullptr; // a field entered with its placeholder, emptied once told
};

} // namespace vorn
