#pragma once

#include <QWidget>
#include <array>
#include <catalogue/catalogue.h>
#include <reading/reading.h>
#include <web/pages.h>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTabWidget;

namespace vorn {

// frmDisplay: one reading on three tabs, Life Journey, Soul and Personality, with the
// Personality tab in front. Made afresh for every reading and filled before it is shown.
class ResultsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ResultsWindow(QWidget *parent = nullptr);

    // Shows the reading, a number on each tab with its colors, swatches, keywords and
    // interpretation. How a number was found is its tooltip, and what a screen reader says of it
    // beside its value; nothing of it is added to the tab.
    void setReading(const Reading &reading);

Q_SIGNALS:
    void backRequested();
    // Keeping the reading: Save Reading as PDF (Ctrl+S), Print Reading (Ctrl+P) and Copy Reading
    // (Ctrl+Shift+C), from the window's context menu (right click, the Menu key or Shift+F10
    // anywhere in it) and the shortcuts.
    void saveRequested();
    void printRequested();
    void copyRequested();
    void linkRequested(vorn::Page page);
    void closeRequested(); // the close box, Alt+F4 or the system menu

protected:
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Tab
    {
        QLabel *number = nullptr;
        QLabel *primaryColor = nullptr;
        QPlainTextEdit *primaryColorDesc = nullptr;
        QLabel *primaryPicture = nullptr;
        QLabel *secondaryColor = nullptr;
        QPlainTextEdit *secondaryColorDesc = nullptr;
        QLabel *secondaryPicture = nullptr;
        QLabel *keywords = nullptr;
        QPlainTextEdit *interpretation = nullptr;
    };

    QWidget *buildTab(ReadingCategory category, Tab &tab);
    void showSection(const Section &section);
    void buildOfferFrame();
    void buildKeepingActions();
    void showKeepingMenu(QMenu *menu, const QContextMenuEvent &event);

    QTabWidget *m_tabWidget = nullptr;
    std::array<Tab, 3> m_tabs;
    std::array<QWidget *, 3> m_pages{};
    QList<QAction *> m_keeping;
};

} // namespace vorn
