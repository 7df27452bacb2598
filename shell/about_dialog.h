// The About dialog (template 6002) with its link to the maker's home page.
#pragma once

// The About command.
void showAbout();
