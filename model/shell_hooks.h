// The few ways in which the model reaches the window shell, in the game's own
// terms: a won game, a game that could not be generated, a repaint of the
// board view and the file name of a new game. The shell installs its own
// functions at start-up and picks the texts; until then, and in headless
// tools, nothing happens. Tests install recorders.
#pragma once

struct ShellHooks {
    // The puzzle is solved: congratulate the player in a modal box owned by
    // the frame window, returning when it has been closed.
    void (*announceWin)();
    // Ten attempts found no game: tell the player, in the same kind of box.
    void (*reportGenerationFailed)();
    // Asks for a repaint of the whole board view, without erasing.
    void (*repaintBoard)();
    // A new game belongs to no file yet: forget the file name ("Untitled").
    void (*forgetFileName)();
};

// Replaces the installed hooks; a null member does nothing when called.
void setShellHooks(const ShellHooks& hooks);

void shellAnnounceWin();
void shellReportGenerationFailed();
void shellRepaintBoard();
void shellForgetFileName();
