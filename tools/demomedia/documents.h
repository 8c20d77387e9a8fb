#pragma once

#include <QByteArray>
#include <QString>

#include "catalog/mediarules.h"

// The demo tree's RTF documents, written from made-up but consistent facts about each entry.
namespace documents {

// A document of the given kind for its owner (an entry text or a menu item).
QByteArray forFile(const mediarules::ExpectedFile& file);
// The caption text of a collection photo.
QByteArray photoCaption(const QString& entry, int number, const QString& photoName);

}  // namespace documents
