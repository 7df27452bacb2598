// The saved-game file: which file the running game belongs to, and the
// commands that read and write it (game_file_win32.cpp).
#pragma once

constexpr int FILE_NAME_SIZE = 260;   // a name of at most 259 characters and its NUL

// The file the Save command writes to while hasFileName is true.
extern char currentFileName[FILE_NAME_SIZE];
extern bool hasFileName;

// Copies name (cut to 259 characters) into currentFileName and sets hasFileName.
// name may be currentFileName itself.
void rememberFileName(const char* name);

// The file operations and commands; Win32 only. Every failure is shown to
// the player here, in a box owned by the frame window.
//
// loadGame changes the game and the file name only when the whole image
// arrived and its magic matched; saveGame records the name first and then
// replaces the file only once all of it has been written elsewhere.
void loadGame(const char* name);
void saveGame(const char* name);
// Open and Save As: ask for a name, load or save, then re-park the selection
// and repaint the board view, whatever the outcome. Cancelling does nothing.
void openGameDialog();
void saveGameAsDialog();
// The Save command: silently to the current file, else through the dialog.
void saveGameCommand();
// A new game belongs to no file yet: hasFileName false, the name "Untitled".
// The shell installs it as the model's forgetFileName hook.
void forgetFileName();
