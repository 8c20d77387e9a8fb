#pragma once

#include <QString>

class IPrinter;
class QImage;

// Prints the main window's photo: eight blank lines, the title line and the entry line each followed by a
// blank line, and the picture at 3000 twips from the top, as one job. False when the job failed.
bool printPhoto(IPrinter& printer, const QImage& photo, const QString& entryText);
