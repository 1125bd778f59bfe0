#include "accessibility.h"

#include "linklabel.h"
#include "picklist.h"
#include "resultswindow.h"
#include "supportwindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabWidget>

namespace vorn {

namespace {

class LinkAccessible : public QAccessibleWidget
{
public:
    explicit LinkAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        if (auto *label = qobject_cast<const QLabel *>(widget()))
            return label->text();
        return static_cast<const QAbstractButton *>(widget())->text();
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action != pressAction())
            return QAccessibleWidget::doAction(action);
        if (!widget()->isEnabled())
            return;
        if (auto *link = qobject_cast<LinkLabel *>(widget()))
            link->activate();
        else
            static_cast<QAbstractButton *>(widget())->click();
    }
};

// A pick list as Qt presents a combo box (its value as its name, its list as its one child,
// actions to open the list), which also shows its value as text: where Orca finds no selection
// to read the value from, it reads the text.
class PickListAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit PickListAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::ComboBox)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QString text(QAccessible::Text t) const override
    {
        if ((t == QAccessible::Name && widget()->accessibleName().isEmpty())
            || t == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        return s;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction()) {
            if (list()->view()->isVisible())
                list()->hidePopup();
            else
                list()->showPopup();
        }
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    // The value as read-only text, with no caret and nothing selected.
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QString text(int startOffset, int endOffset) const override
    {
        return list()->currentText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(list()->currentText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    const PickList *list() const { return static_cast<const PickList *>(widget()); }
    PickList *list() { return static_cast<PickList *>(widget()); }
};

QAccessibleInterface *accessibleFor(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (qobject_cast<LinkLabel *>(widget) || qobject_cast<LinkCheckBox *>(widget))
        return new LinkAccessible(widget);
    if (qobject_cast<PickList *>(widget))
        return new PickListAccessible(widget);
    // The pages of a tab control lie in a stack that is only there for the layout: heard as a
    // nameless "layered pane" between a tab and its controls, it would say nothing of use.
    if (qobject_cast<QStackedWidget *>(widget)
        && qobject_cast<QTabWidget *>(widget->parentWidget()))
        return new QAccessibleWidget(widget, QAccessible::Pane);
    if (qobject_cast<ResultsWindow *>(widget) || qobject_cast<SupportWindow *>(widget))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

class PressOnEnter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        static_cast<QAbstractButton *>(watched)->click();
        return true;
    }
};

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}

void menuOnShiftF10(QWidget *window)
{
    auto *shiftF10 = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), window);
    QObject::connect(shiftF10, &QShortcut::activated, window, [window] {
        QWidget *target = window->focusWidget() ? window->focusWidget() : window;
        // Where the Menu key opens it: at the caret, or where the control's input would go.
        const QPoint at = target->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
        QCoreApplication::sendEvent(target, &event);
    });
}

void pressOnEnter(std::initializer_list<QAbstractButton *> buttons)
{
    for (QAbstractButton *button : buttons)
        button->installEventFilter(new PressOnEnter(button));
}

} // namespace vorn
