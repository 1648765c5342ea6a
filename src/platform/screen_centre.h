// Placing a dialog in the middle of the screen it is shown on.
#pragma once

class QWidget;

// Moves window so that its frame is centred on the available area of its
// screen (the primary screen when it has none yet).
void CentreOnScreen(QWidget& window);
