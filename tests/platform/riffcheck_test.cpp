// The chunk walk that decides whether a sound or movie file has something to play.
#include <QBuffer>
#include <QtEndian>

#include <gtest/gtest.h>

#include "platform/riffcheck.h"

namespace {

QByteArray chunk(const char* id, const QByteArray& body)
{
    QByteArray out(id, 4);
    char size[4];
    qToLittleEndian<quint32>(quint32(body.size()), size);
    out.append(size, 4);
    out += body;
    if (body.size() % 2)
        out += '\0'; // the pad byte after an odd-sized chunk
    return out;
}

QByteArray riff(const char* form, const QByteArray& chunks)
{
    QByteArray body = QByteArray(form, 4) + chunks;
    QByteArray out("RIFF", 4);
    char size[4];
    qToLittleEndian<quint32>(quint32(body.size()), size);
    return out + QByteArray(size, 4) + body;
}

QByteArray pcmFormat()
{
    QByteArray f(16, '\0');
    qToLittleEndian<quint16>(1, f.data());         // PCM
    qToLittleEndian<quint16>(2, f.data() + 2);     // channels
    qToLittleEndian<quint32>(22050, f.data() + 4); // rate
    qToLittleEndian<quint32>(88200, f.data() + 8); // bytes per second
    qToLittleEndian<quint16>(4, f.data() + 12);    // block align
    qToLittleEndian<quint16>(16, f.data() + 14);   // bits
    return f;
}

QString wave(const QByteArray& bytes)
{
    QBuffer b;
    b.setData(bytes);
    b.open(QIODevice::ReadOnly);
    return riffcheck::waveProblem(b);
}

QString avi(const QByteArray& bytes)
{
    QBuffer b;
    b.setData(bytes);
    b.open(QIODevice::ReadOnly);
    return riffcheck::aviProblem(b);
}

QByteArray hdrl()
{
    return chunk("LIST", QByteArray("hdrl", 4) + chunk("avih", QByteArray(56, '\0')));
}

QByteArray movi()
{
    return chunk("LIST", QByteArray("movi", 4) + chunk("00dc", QByteArray(100, 'v')));
}

} // namespace

TEST(RiffCheck, AnOddSizedChunkBeforeTheDataIsSkippedWithItsPadByte)
{
    const QByteArray samples(400, 's');
    EXPECT_EQ(wave(riff("WAVE", chunk("fmt ", pcmFormat()) + chunk("data", samples))), QString());
    EXPECT_EQ(
        wave(riff("WAVE", chunk("LIST", "INFOabc") + chunk("fmt ", pcmFormat()) + chunk("data", samples))),
        QString());
    EXPECT_EQ(wave(riff("WAVE", chunk("fmt ", pcmFormat()) + chunk("note", "odd") + chunk("data", samples))),
              QString());
    EXPECT_EQ(avi(riff("AVI ", hdrl() + movi())), QString());
    EXPECT_EQ(avi(riff("AVI ", hdrl() + chunk("JUNK", "12345") + movi())), QString());
    EXPECT_EQ(avi(riff("AVI ", chunk("JUNK", "1") + hdrl() + chunk("JUNK", "123") + movi())), QString());
}

TEST(RiffCheck, NothingToPlayIsRefusedEvenWhenMoreBytesFollow)
{
    EXPECT_EQ(wave(riff("WAVE", chunk("fmt ", pcmFormat()) + chunk("data", {}) + chunk("LIST", "INFOtail"))),
              QStringLiteral("no sound data"));
    EXPECT_EQ(wave(riff("WAVE", chunk("fmt ", pcmFormat()) + chunk("data", {}))),
              QStringLiteral("no sound data"));
    EXPECT_EQ(wave(riff("WAVE", chunk("data", "abcd") + chunk("fmt ", pcmFormat()))),
              QStringLiteral("sound data before its format"));
    EXPECT_EQ(wave(riff("WAVE", chunk("fmt ", pcmFormat()))), QStringLiteral("no sound data"));
    EXPECT_EQ(avi(riff("AVI ", hdrl())), QStringLiteral("no movie data"));
    EXPECT_EQ(avi(riff("AVI ", movi() + hdrl())), QStringLiteral("movie data before its header"));
    EXPECT_EQ(avi(riff("AVI ", chunk("LIST", QByteArray("hdrl", 4) + chunk("strh", "x")) + movi())),
              QStringLiteral("the movie header is missing"));
}

TEST(RiffCheck, ACutOrHostileFileEndsTheWalk)
{
    QByteArray cut = riff("WAVE", chunk("fmt ", pcmFormat()) + chunk("data", QByteArray(400, 's')));
    EXPECT_EQ(wave(cut.left(30)), QStringLiteral("the sound format is cut short"));
    QByteArray empties;
    for (int i = 0; i < 10000; ++i)
        empties += chunk("JUNK", {});
    EXPECT_EQ(wave(riff("WAVE", empties + chunk("fmt ", pcmFormat()) + chunk("data", "abcd"))),
              QStringLiteral("no sound format"));
}
