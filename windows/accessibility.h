// What a screen reader or a keyboard user needs beyond the designed captions.
#pragma once

#include <initializer_list>

class QAbstractButton;
class QWidget;

namespace vorn {

// Gives assistive tools what they cannot work out for themselves: the link labels and the
// support window's link check box are links, with a press action that follows them as a click
// does; the results and support windows are windows. Once per process, at start-up.
void installAccessibleInterfaces();

// Enter and Return press each of these buttons while it has the focus, as Space does.
void pressOnEnter(std::initializer_list<QAbstractButton *> buttons);

// Shift+F10 asks the focused control of window for its context menu, as the Menu key does.
void menuOnShiftF10(QWidget *window);

} // namespace vorn
