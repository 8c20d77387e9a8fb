// The Qt media control on the demo tree's own sounds and movies, as zephane-demo-media writes them, and on
// copies of them broken the ways a disc or a copy breaks: cut short, overwritten, emptied.
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QVideoWidget>

#include <gtest/gtest.h>

#include "catalog/mediarules.h"
#include "demomedia.h"
#include "platform/qt/qtmediadevice.h"

namespace {

// The demo tree's sounds and movies, written once for the tests that play them.
class DemoMedia : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        demomedia::Options o;
        o.mediaDir = s_dir->path();
        o.programDir = s_dir->path();
        o.photos = false;
        o.include = [](const mediarules::ExpectedFile& f) {
            using K = mediarules::Kind;
            return f.kind == K::Sound || f.kind == K::StartupSound || f.kind == K::Movie;
        };
        const demomedia::Result r = demomedia::generate(o);
        ASSERT_TRUE(r.errors.isEmpty()) << r.errors.join(QLatin1Char('\n')).toStdString();
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    void SetUp() override
    {
        if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
            qputenv("QT_MEDIA_BACKEND", "gstreamer");
        device.setOpenTimeout(120000); // a ceiling only: "open" returns once the player has decided
    }

    static QStringList files(const char* suffix)
    {
        QStringList out;
        QDirIterator it(s_dir->path(), {QStringLiteral("*") + QLatin1String(suffix)}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            out << it.next();
        out.sort();
        return out;
    }
    static QByteArray read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString broken(const QString& name, const QByteArray& bytes) const
    {
        QFile f(m_broken.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    // Opens a file the way every caller does: close, device type, file name, open.
    bool open(const QString& deviceType, const QString& path)
    {
        device.command(QStringLiteral("close"));
        device.setDeviceType(deviceType);
        device.setFileName(path);
        return device.command(QStringLiteral("open"));
    }

    static QTemporaryDir* s_dir;
    QTemporaryDir m_broken;
    QtMediaDevice device;
};

QTemporaryDir* DemoMedia::s_dir = nullptr;

} // namespace

TEST_F(DemoMedia, EverySoundOpensPlaysAndStops)
{
    const QStringList sounds = files(".wav");
    ASSERT_GE(sounds.size(), 10) << "the demo tree's sound effects and start-up sound";
    for (const QString& wav : sounds) {
        SCOPED_TRACE(wav.toStdString());
        ASSERT_TRUE(open(QStringLiteral("WaveAudio"), wav)) << device.errorText().toStdString();
        EXPECT_TRUE(device.command(QStringLiteral("play")));
        EXPECT_TRUE(device.command(QStringLiteral("stop")));
        EXPECT_TRUE(device.command(QStringLiteral("prev")));
        EXPECT_FALSE(device.asyncErrorSeen()) << device.errorText().toStdString();
    }
    EXPECT_TRUE(device.command(QStringLiteral("close")));
    EXPECT_FALSE(device.isOpen());
}

TEST_F(DemoMedia, EveryMovieOpensIntoItsPictureAndPlaysWithoutAnError)
{
    const QStringList movies = files(".avi");
    ASSERT_EQ(movies.size(), static_cast<qsizetype>(mediarules::movies().size()));
    QVideoWidget picture;
    picture.resize(321, 217);
    picture.show();
    device.setDisplayWindow(&picture);
    for (const QString& avi : movies) {
        SCOPED_TRACE(avi.toStdString());
        ASSERT_TRUE(open(QStringLiteral("AVIVideo"), avi)) << device.errorText().toStdString();
        EXPECT_TRUE(device.command(QStringLiteral("play")));
        QTest::qWait(300); // the pipeline decodes the first frames meanwhile
        EXPECT_FALSE(device.asyncErrorSeen()) << device.errorText().toStdString();
        EXPECT_TRUE(device.command(QStringLiteral("stop")));
        EXPECT_TRUE(device.command(QStringLiteral("prev")));
    }
    // a movie's file is not a sound, nor the other way round
    EXPECT_FALSE(open(QStringLiteral("WaveAudio"), movies.front()));
    EXPECT_FALSE(open(QStringLiteral("AVIVideo"), files(".wav").front()));
}

TEST_F(DemoMedia, BrokenCopiesOfTheDemoFilesFailOpenAndTheNextGoodFileStillPlays)
{
    const QString wav = files(".wav").front();
    const QString avi = files(".avi").front();
    const QByteArray wavBytes = read(wav);
    const QByteArray aviBytes = read(avi);
    ASSERT_GT(wavBytes.size(), 1000);
    ASSERT_GT(aviBytes.size(), 1000);

    QByteArray aviNoise = aviBytes;
    for (qsizetype i = 24; i < aviNoise.size(); ++i)
        aviNoise[i] = char((i * 131 + 7) & 0xff); // the header kept, everything after it overwritten
    QByteArray wavNoFormat = wavBytes;
    wavNoFormat.replace(12, 4, "junk"); // the format chunk renamed

    struct Case {
        const char* type;
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"WaveAudio", "cut.wav", wavBytes.left(30)}, {"WaveAudio", "noformat.wav", wavNoFormat},
        {"WaveAudio", "empty.wav", QByteArray()},    {"AVIVideo", "cut-header.avi", aviBytes.left(100)},
        {"AVIVideo", "noise.avi", aviNoise},         {"AVIVideo", "empty.avi", QByteArray()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(open(QString::fromLatin1(c.type), broken(QString::fromLatin1(c.name), c.bytes)));
        EXPECT_FALSE(device.isOpen());
        EXPECT_FALSE(device.errorText().isEmpty());
        EXPECT_FALSE(device.command(QStringLiteral("play")));
    }

    // A movie cut short is still a movie: it opens and plays what there is of it, to where it ends.
    const QString half = broken(QStringLiteral("half.avi"), aviBytes.left(aviBytes.size() / 2));
    ASSERT_TRUE(open(QStringLiteral("AVIVideo"), half)) << device.errorText().toStdString();
    EXPECT_TRUE(device.command(QStringLiteral("play")));
    QTest::qWait(2000); // past the cut
    EXPECT_FALSE(device.asyncErrorSeen()) << device.errorText().toStdString();
    EXPECT_TRUE(device.command(QStringLiteral("stop")));
    EXPECT_TRUE(device.command(QStringLiteral("prev")));

    ASSERT_TRUE(open(QStringLiteral("AVIVideo"), avi)) << device.errorText().toStdString();
    EXPECT_TRUE(device.command(QStringLiteral("play")));
    ASSERT_TRUE(open(QStringLiteral("WaveAudio"), wav)) << device.errorText().toStdString();
    EXPECT_TRUE(device.command(QStringLiteral("play")));
    EXPECT_TRUE(device.command(QStringLiteral("close")));
}
