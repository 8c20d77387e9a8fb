// The Qt media control: "open" fails at once for anything that is not a playable file of its device type.
#include <QAbstractButton>
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

class QtMediaDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
            qputenv("QT_MEDIA_BACKEND", "gstreamer");
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

TEST_F(QtMediaDeviceTest, EveryBarButtonReportsItself)
{
    std::vector<MediaButton> pressed;
    device.setButtonHandler([&pressed](MediaButton b) { pressed.push_back(b); });
    QWidget parent;
    QWidget* bar = device.createButtonBar(&parent);
    const char* names[] = {"Prev", "Next", "Play", "Pause", "Back", "Step", "Stop"};
    for (const char* n : names) {
        auto* b = bar->findChild<QAbstractButton*>(QString::fromLatin1(n));
        ASSERT_NE(b, nullptr) << n;
        b->click();
    }
    const std::vector<MediaButton> expected = {MediaButton::Prev,  MediaButton::Next, MediaButton::Play,
                                               MediaButton::Pause, MediaButton::Back, MediaButton::Step,
                                               MediaButton::Stop};
    EXPECT_EQ(pressed, expected);
}

} // namespace
