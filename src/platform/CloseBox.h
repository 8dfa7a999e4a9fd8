#pragma once
// Removing (or restoring) the close command of a window.
class QWidget;

namespace platform {
class FormWindow;

// remove true: the window shows no close button and ignores close requests
// (window manager's close, Alt+F4); remove false: both come back.
void SupprimeFermeture(FormWindow* window, bool remove);
} // namespace platform
