#pragma once

#include <cstdint>
#include <vector>

#include <QByteArray>
#include <QList>

// Writes an AVI file (RIFF) with one Motion-JPEG video stream and, optionally, one 16-bit mono PCM audio
// stream, interleaved frame by frame, with an idx1 index.
namespace aviwriter {

struct Movie {
    int width = 320;
    int height = 240;
    int framesPerSecond = 12;
    QList<QByteArray> jpegFrames;
    std::vector<int16_t> audio;  // may be empty
    int audioRate = 22050;
};

QByteArray write(const Movie& movie);

}  // namespace aviwriter
