#pragma once

#include <QString>

// The folder the program runs from. ZEPHANE_PROGRAM_DIR stands in for it, so a media tree generated
// elsewhere can play the program folder (as an installed copy would have it beside the executable).
QString programFolder();
