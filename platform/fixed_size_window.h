#ifndef PLATFORM_FIXED_SIZE_WINDOW_H
#define PLATFORM_FIXED_SIZE_WINDOW_H

class QWindow;

// Takes back a request to maximise the window that has not yet left the program. Where Qt
// draws the title bar itself (Wayland without server-side borders) its maximise button is
// offered even on a window of fixed size, and a compositor that then insists on the
// maximised size ends the program with a protocol error. Does nothing on other platforms.
void WithdrawMaximizeRequest(QWindow& window);

#endif
