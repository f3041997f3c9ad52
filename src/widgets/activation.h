#pragma once

class QWidget;

namespace vud {

// The window system reports a window's activation both when the user moves
// to it from another window of the program and when the whole program comes
// back from another program. A window's own activation handler is meant for
// the first case only: coming back to the board after a look at another
// program must not lay the board out again.

// Starts watching which of the program's windows is active. Safe to call
// more than once; windows call it when they are created.
void watchWindowActivation();

// Called from a window's activation event: true when the window that was
// active before it, within this program, was another one (or none yet),
// false when the program comes back to the window it left.
bool activatedFromAnotherWindow(const QWidget *window);

} // namespace vud
