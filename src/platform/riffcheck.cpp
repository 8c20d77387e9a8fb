#include "platform/riffcheck.h"

#include <QIODevice>
#include <QtEndian>

namespace riffcheck {

namespace {

// A hostile file of empty chunks cannot keep the walk going for long.
constexpr int kMaxChunks = 4096;

struct Chunk {
    QByteArray id;
    quint32 size = 0;
    qint64 body = 0; // offset of the chunk's data
};

// Reads the chunk header at pos; false at the end of the file or of a truncated header.
bool chunkAt(QIODevice& file, qint64 pos, Chunk& chunk)
{
    if (!file.seek(pos))
        return false;
    const QByteArray head = file.read(8);
    if (head.size() < 8)
        return false;
    chunk.id = head.left(4);
    chunk.size = qFromLittleEndian<quint32>(head.constData() + 4);
    chunk.body = pos + 8;
    return true;
}

qint64 nextChunk(const Chunk& chunk)
{
    return chunk.body + qint64(chunk.size) + (chunk.size & 1);
}

bool knownSampleFormat(quint16 tag)
{
    // PCM, Microsoft ADPCM, IEEE float, A-law, mu-law, IMA ADPCM, MPEG layer 3, extensible.
    switch (tag) {
    case 0x0001:
    case 0x0002:
    case 0x0003:
    case 0x0006:
    case 0x0007:
    case 0x0011:
    case 0x0055:
    case 0xFFFE:
        return true;
    default:
        return false;
    }
}

} // namespace

QString waveProblem(QIODevice& file)
{
    bool format = false;
    Chunk c;
    qint64 pos = 12;
    for (int n = 0; n < kMaxChunks && chunkAt(file, pos, c); ++n, pos = nextChunk(c)) {
        if (c.id == "fmt ") {
            const QByteArray f = file.read(16);
            if (c.size < 16 || f.size() < 16)
                return QStringLiteral("the sound format is cut short");
            const quint16 tag = qFromLittleEndian<quint16>(f.constData());
            const quint16 channels = qFromLittleEndian<quint16>(f.constData() + 2);
            const quint32 rate = qFromLittleEndian<quint32>(f.constData() + 4);
            const quint16 blockAlign = qFromLittleEndian<quint16>(f.constData() + 12);
            if (!knownSampleFormat(tag))
                return QStringLiteral("unknown sample format 0x%1").arg(tag, 4, 16, QLatin1Char('0'));
            if (channels == 0 || channels > 8 || rate == 0 || rate > 768000 || blockAlign == 0)
                return QStringLiteral("impossible sound format");
            format = true;
        } else if (c.id == "data") {
            if (!format)
                return QStringLiteral("sound data before its format");
            if (c.size == 0 || c.body >= file.size())
                return QStringLiteral("no sound data");
            return {};
        }
    }
    return format ? QStringLiteral("no sound data") : QStringLiteral("no sound format");
}

QString aviProblem(QIODevice& file)
{
    bool header = false;
    Chunk c;
    qint64 pos = 12;
    for (int n = 0; n < kMaxChunks && chunkAt(file, pos, c); ++n, pos = nextChunk(c)) {
        if (c.id != "LIST")
            continue;
        const QByteArray type = file.read(4);
        if (type == "hdrl") {
            Chunk first;
            if (c.size < 12 || !chunkAt(file, c.body + 4, first) || first.id != "avih")
                return QStringLiteral("the movie header is missing");
            header = true;
        } else if (type == "movi") {
            if (!header)
                return QStringLiteral("movie data before its header");
            return {};
        }
    }
    return header ? QStringLiteral("no movie data") : QStringLiteral("no movie header");
}

} // namespace riffcheck
