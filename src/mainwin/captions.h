#pragma once

#include <QString>

// The text with every "&" doubled, so a menu shows the ampersand instead of taking it as an access key.
QString DoubleAmpersands(const QString& text);
