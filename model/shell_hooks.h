// The few ways in which the model reaches the window shell: a message box, a
// repaint of the board view and the file name of a new game. The shell installs
// its own functions at start-up; until then, and in headless tools, nothing
// happens. Tests install recorders.
#pragma once

struct ShellHooks {
    // Shows the string-table text textId in a modal box titled captionId,
    // owned by the frame window, and returns when the player has closed it.
    void (*showMessage)(int textId, int captionId);
    // Asks for a repaint of the whole board view, without erasing.
    void (*repaintBoard)();
    // A new game belongs to no file yet: forget the file name ("Untitled").
    void (*forgetFileName)();
};

// Replaces the installed hooks; a null member does nothing when called.
void setShellHooks(const ShellHooks& hooks);

void shellShowMessage(int textId, int captionId);
void shellRepaintBoard();
void shellForgetFileName();
