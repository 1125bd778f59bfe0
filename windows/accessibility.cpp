#include "accessibility.h"

#include "linklabel.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QKeyEvent>

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

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == u"vorn::LinkLabel" || className == u"vorn::ClickableLabel"
        || className == u"vorn::LinkCheckBox")
        return new LinkAccessible(widget);
    if (className == u"vorn::ResultsWindow" || className == u"vorn::SupportWindow")
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

void pressOnEnter(std::initializer_list<QAbstractButton *> buttons)
{
    for (QAbstractButton *button : buttons)
        button->installEventFilter(new PressOnEnter(button));
}

} // namespace vorn
