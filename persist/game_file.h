// The saved-game file: which file the running game belongs to, and the
// commands that read and write it (game_file_win32.cpp).
#pragma once

constexpr int FILE_NAME_SIZE = 260;   // a name of at most 259 characters and its NUL

// The file the Save command writes to while hasFileName is true.
extern char currentFileName[FILE_NAME_SIZE];
extern bool hasFileName;

// Copies name (cut to 259 characters) into currentFileName and sets hasFileName.
void rememberFileName(const char* name);

// The file operations and commands; Win32 only.
void loadGame(const char* name);
void saveGame(const char* name);
void openGameDialog();
void saveGameAsDialog();
// The Save command: silently to the current file, else through the dialog.
void saveGameCommand();
