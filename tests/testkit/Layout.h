#pragma once
// One check of a window's layout as the player sees it, in place of positions copied from the design.
#include <QString>

class QWidget;

namespace testkit {

// What is wrong with the layout of a window's visible controls, one line per fault (none: an empty text):
// - a control that reaches out of its parent (the window, or the frame it stands in);
// - two sibling frames (QGroupBox) that overlap;
// - a text that does not fit its control in the control's own font: a label's (wrapped when the label
//   wraps), a button's, an option's or check box's beside its indicator, a frame's title.
// Controls are named by their class and text, e.g. `QLabel "Préfecture : "`.
QString layoutFaults(const QWidget* window);

} // namespace testkit
