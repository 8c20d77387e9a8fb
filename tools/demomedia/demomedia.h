#pragma once

#include <functional>
#include <vector>

#include <QString>
#include <QStringList>

#include "catalog/mediarules.h"

// Writes a complete demo media tree: every file the program opens by a fixed rule, the photos of every entry
// and the caption texts of the collection photos. The same bytes on every run.
namespace demomedia {

// Bumped whenever the generated content changes, so a tree stamped with an older version is rebuilt.
inline const QString kVersion = QStringLiteral("zephane-demo-media 1");
inline const QString kStampName = QStringLiteral(".zephane-demo-media");

struct Options {
    QString mediaDir;
    QString programDir;
    // Small pictures, short sounds and two-frame movies: the same names, for quick tests.
    bool draft = false;
    // Which fixed-rule files to write (all required ones when empty).
    std::function<bool(const mediarules::ExpectedFile&)> include;
    bool photos = true;
};

struct Result {
    int files = 0;
    qint64 bytes = 0;
    QStringList errors;  // one line per file that could not be written
};

// One photo of the demo tree.
struct Photo {
    QString entry;
    int number;  // 1-based within the entry
    int count;
    QString name;  // upper case, beginning with the entry code: "53A.JPG"
};
std::vector<Photo> photoPlan();

Result generate(const Options& options);

// True when the folder carries the stamp of this generator version.
bool isCurrent(const QString& dir);

}  // namespace demomedia
