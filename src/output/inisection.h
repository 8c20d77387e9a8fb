#pragma once

#include <utility>
#include <vector>

#include <QByteArray>

// Sets keys of one section of an INI file's bytes the way the system's profile writer does: a key that is
// there has its line replaced (its line ending kept), a missing key is added at the end of its section, a
// missing section is added at the end of the file. Every other byte stays as it was. Section and key names
// match without regard to case and surrounding blanks; new lines take the file's own line ending.
QByteArray setIniKeys(const QByteArray& file, const QByteArray& section,
                      const std::vector<std::pair<QByteArray, QByteArray>>& keys);
