// How assistive technology sees a top-level window that is a plain widget:
// as a window named by its caption, not as an unnamed pane.
#pragma once

class QWidget;

// From now on the widget's accessible role is a window; its accessible name
// is its caption unless it is given one of its own.
void ExposeAsWindow(QWidget& window);
