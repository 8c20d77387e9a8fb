#pragma once

#include <QString>

// What the document viewer shares with the windows that open it.
struct DocumentState {
    QString documentCaption;  // the caption the viewer takes when it loads; kept until an opener sets another
    QString foundFile;        // the result of the last one-file lookup: a bare name, then the full media path
};
