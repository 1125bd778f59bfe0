#pragma once

#include <QComboBox>

namespace vorn {

// A drop-down list the user can only choose from. A screen reader hears its value with its
// caption when the focus enters it, and each new value as the keyboard changes it with the list
// closed: Qt tells an assistive tool of that change only in ways Orca does not speak, so the
// list's current entry is reported as focused, as Qt itself reports it while the list is open.
class PickList : public QComboBox
{
    Q_OBJECT

public:
    explicit PickList(QWidget *parent = nullptr);

private:
    void announceValue();
};

} // namespace vorn
