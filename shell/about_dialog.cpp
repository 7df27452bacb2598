// The About dialog. Not built yet: the command does nothing.
#include "shell/about_dialog.h"

void showAbout() {}
