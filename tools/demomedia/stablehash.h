#pragma once

#include <QString>

// A small stable hash (FNV-1a over UTF-16 units): the same text always gives the same colours and facts, so the
// generated tree is byte-identical on every run.
inline quint32 fnv(const QString& text)
{
    quint32 h = 2166136261u;
    for (const QChar c : text) {
        h ^= c.unicode();
        h *= 16777619u;
    }
    return h;
}
