#pragma once

#include <QString>

namespace platform {

// The folder that holds the settings file. Created when missing.
// Elsewhere than on Windows: $TRIBUTRA_WINDIR, else $XDG_CONFIG_HOME/tributra,
// else ~/.config/tributra.
QString windowsDirectory();

// A path as the code writes it ("c:\aeat\111_2018") turned into a real one.
// Elsewhere than on Windows, drive X stands for $TRIBUTRA_DRIVE_X, else the home
// directory, and backslashes become slashes.
QString nativePath(const QString& windowsPath);

} // namespace platform
