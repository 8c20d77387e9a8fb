// The Qt media control: "open" fails for anything that is not a playable file of its device type, whether the
// header gives it away at once or only the player's reading of the content does.
#include <QtEndian>

#include <gtest/gtest.h>

#include "platform/qt/qtmediadevice.h"
#include "support/mediatree.h"

namespace {

QByteArray wave(int samples = 800)
{
    QByteArray data(samples * 2, '\0');
    QByteArray b("RIFF");
    auto u32 = [&b](quint32 v) {
        char c[4];
        qToLittleEndian(v, c);
        b.append(c, 4);
    };
    auto u16 = [&b](quint16 v) {
        char c[2];
        qToLittleEndian(v, c);
        b.append(c, 2);
    };
    u32(36 + data.size());
    b.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(8000);
    u32(16000);
    u16(2);
    u16(16);
    b.append("data");
    u32(data.size());
    return b + data;
}

// A file with a correct RIFF header whose content no decoder can read.
QByteArray corruptRiff(const char* form, int size = 4096)
{
    QByteArray b("RIFF");
    char len[4];
    qToLittleEndian(quint32(size + 4), len);
    b.append(len, 4);
    b.append(form, 4);
    for (int i = 0; b.size() < size + 8; ++i)
        b.append(char((i * 37 + 11) & 0xff));
    return b;
}

QByteArray chunk(const char* id, const QByteArray& body)
{
    char len[4];
    qToLittleEndian(quint32(body.size()), len);
    return QByteArray(id, 4) + QByteArray(len, 4) + body +
           (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

QByteArray riff(const char* form, const QByteArray& body)
{
    return chunk("RIFF", QByteArray(form, 4) + body);
}

class QtMediaDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
            qputenv("QT_MEDIA_BACKEND", "gstreamer");
        // Only a ceiling: "open" returns as soon as the player has decided. A loaded machine may need long
        // for the first player of a process.
        device.setOpenTimeout(120000);
    }
    MediaTree tree;
    QtMediaDevice device;
};

TEST_F(QtMediaDeviceTest, OpenFailsAtOnceForMissingOrWrongFiles)
{
    device.setDeviceType(QStringLiteral("WaveAudio"));
    device.setFileName(tree.file(QStringLiteral("passby.wav")));
    EXPECT_FALSE(device.command(QStringLiteral("open")));
    EXPECT_TRUE(device.errorText().contains(QStringLiteral("no such file")));

    device.setFileName(tree.add(QStringLiteral("text.wav"), "just some text, not a sound"));
    EXPECT_FALSE(device.command(QStringLiteral("open")));
    device.setFileName(tree.add(QStringLiteral("short.wav"), "RIFF"));
    EXPECT_FALSE(device.command(QStringLiteral("open")));

    // A good WAVE file opened as a movie, and an AVI header opened as a sound.
    const QString wav = tree.add(QStringLiteral("ok.wav"), wave());
    device.setDeviceType(QStringLiteral("AVIVideo"));
    device.setFileName(wav);
    EXPECT_FALSE(device.command(QStringLiteral("open")));
    device.setDeviceType(QStringLiteral("WaveAudio"));
    device.setFileName(tree.add(QStringLiteral("m.avi"), QByteArray("RIFF\x10\0\0\0AVI LIST", 16)));
    EXPECT_FALSE(device.command(QStringLiteral("open")));
    device.setDeviceType(QStringLiteral("CDAudio"));
    device.setFileName(wav);
    EXPECT_FALSE(device.command(QStringLiteral("open")));
    EXPECT_FALSE(device.isOpen());
}

TEST_F(QtMediaDeviceTest, OpenFailsForARightHeaderOverContentThatCannotBeDecoded)
{
    struct Case {
        const char* deviceType;
        const char* name;
        QByteArray bytes;
    };
    QByteArray badFormat = wave();
    badFormat[20] = '\x34'; // an unknown sample format in the "fmt " chunk
    badFormat[21] = '\x12';
    const Case cases[] = {{"WaveAudio", "noise.wav", corruptRiff("WAVE")},
                          {"WaveAudio", "format.wav", badFormat},
                          {"AVIVideo", "noise.avi", corruptRiff("AVI ")},
                          {"AVIVideo", "empty.avi", corruptRiff("AVI ", 8)}};
    for (const Case& c : cases) {
        device.setDeviceType(QString::fromLatin1(c.deviceType));
        device.setFileName(tree.add(QString::fromLatin1(c.name), c.bytes));
        EXPECT_FALSE(device.command(QStringLiteral("open"))) << c.name;
        EXPECT_FALSE(device.isOpen()) << c.name;
        EXPECT_FALSE(device.errorText().isEmpty()) << c.name;
        EXPECT_FALSE(device.command(QStringLiteral("play"))) << c.name;
    }
    // A good file opens after a bad one.
    device.setDeviceType(QStringLiteral("WaveAudio"));
    device.setFileName(tree.add(QStringLiteral("good.wav"), wave()));
    EXPECT_TRUE(device.command(QStringLiteral("open"))) << qPrintable(device.errorText());
}

TEST_F(QtMediaDeviceTest, TheChunksAPlayerNeedsMustBeThere)
{
    const QByteArray fmt = wave().mid(12, 24);
    const QByteArray data = chunk("data", QByteArray(64, '\0'));
    const QByteArray hdrl = chunk("LIST", QByteArray("hdrl") + chunk("avih", QByteArray(56, '\0')));
    const QByteArray movi = chunk("LIST", QByteArray("movi") + chunk("00dc", QByteArray(16, '\x7f')));
    struct Case {
        const char* type;
        QByteArray bytes;
        bool playable;
    };
    const Case cases[] = {
        {"WaveAudio", riff("WAVE", fmt + data), true},
        {"WaveAudio", riff("WAVE", chunk("LIST", "INFOjunk") + fmt + data), true}, // other chunks first
        {"WaveAudio", riff("WAVE", data + fmt), false},                            // data before format
        {"WaveAudio", riff("WAVE", fmt), false},                                   // no data
        {"WaveAudio", riff("WAVE", fmt.left(12)), false},                          // format cut short
        {"WaveAudio", riff("WAVE", chunk("data", QByteArray())), false},
        {"AVIVideo", riff("AVI ", hdrl + movi), true},
        {"AVIVideo", riff("AVI ", movi + hdrl), false},
        {"AVIVideo", riff("AVI ", hdrl), false},
        {"AVIVideo", riff("AVI ", chunk("LIST", QByteArray("hdrl") + chunk("strl", "x")) + movi), false},
    };
    int i = 0;
    for (const Case& c : cases) {
        const QString file = tree.add(QStringLiteral("case%1.riff").arg(i++), c.bytes);
        QString why;
        EXPECT_EQ(QtMediaDevice::looksPlayable(file, QString::fromLatin1(c.type), &why), c.playable)
            << i << " " << qPrintable(why);
    }
}

TEST_F(QtMediaDeviceTest, CommandsNeedAnOpenFileAndCloseIsAlwaysHarmless)
{
    EXPECT_TRUE(device.command(QStringLiteral("close")));
    EXPECT_FALSE(device.command(QStringLiteral("play")));
    EXPECT_FALSE(device.command(QStringLiteral("stop")));
    EXPECT_FALSE(device.command(QStringLiteral("rewind")));

    device.setDeviceType(QStringLiteral("WaveAudio"));
    device.setFileName(tree.add(QStringLiteral("passby.wav"), wave()));
    ASSERT_TRUE(device.command(QStringLiteral("open"))) << qPrintable(device.errorText());
    EXPECT_TRUE(device.isOpen());
    // Plays (silently when there is no sound card) and returns at once.
    EXPECT_TRUE(device.command(QStringLiteral("play")));
    EXPECT_TRUE(device.command(QStringLiteral("prev")));
    EXPECT_TRUE(device.command(QStringLiteral("stop")));
    EXPECT_TRUE(device.command(QStringLiteral("close")));
    EXPECT_FALSE(device.isOpen());
    EXPECT_TRUE(device.command(QStringLiteral("close")));
}

} // namespace
