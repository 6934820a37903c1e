#pragma once
// The adapter for a control of any kind.
#include <QWidget>

#include "forms/Control.h"

namespace forms::qt {

class ControlAdapter;
class FormWindow;

// parent: the widget the control's widget goes into; container: the adapter of the control's
// container (frame, picture box, or the parent menu of a menu entry), nullptr for the form itself.
ControlAdapter* MakeAdapter(FormWindow& window, Control& control, QWidget* parent,
                            ControlAdapter* container);

}  // namespace forms::qt
