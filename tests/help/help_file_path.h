// The help file of this build tree, given as a path of the build machine;
// under Wine drive Z: is the machine's root folder.
#pragma once

#include <algorithm>
#include <string>

inline std::string helpFilePath()
{
    std::string path = std::string("Z:") + DZ_HELP_FILE;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}
