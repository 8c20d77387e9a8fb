#pragma once

#include <QString>

class QIODevice;

// Walks the chunks of a RIFF WAVE or AVI file far enough to tell whether a player has something to read:
// a WAVE needs a "fmt " chunk of a known sample format before its "data" chunk, an AVI needs its "hdrl" list
// beginning with "avih" and a "movi" list. Reads chunk headers only, never the samples or frames.
namespace riffcheck {

// Empty when the structure is sound, otherwise what is wrong. The device is read from its start.
QString waveProblem(QIODevice& file);
QString aviProblem(QIODevice& file);

} // namespace riffcheck
