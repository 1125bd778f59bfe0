#include "picklist.h"

#include <QAbstractItemView>
#include <QAccessible>

namespace vorn {

PickList::PickList(QWidget *parent)
    : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, &PickList::announceValue);
}

void PickList::announceValue()
{
    if (!QAccessible::isActive() || !hasFocus() || view()->isVisible() || currentIndex() < 0)
        return;
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(view());
    if (!list || !list->tableInterface())
        return;
    if (QAccessibleInterface *entry = list->tableInterface()->cellAt(currentIndex(), 0)) {
        QAccessibleEvent focus(entry, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

} // namespace vorn
