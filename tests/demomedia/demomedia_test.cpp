#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>

#include "aviwriter.h"
#include "catalog/mediacheck.h"
#include "catalog/mediafiles.h"
#include "demomedia.h"
#include "fakes/fakedrives.h"
#include "wavsynth.h"

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A file of the tree by its relative path, whatever the case of its folders and name.
QString find(const QString& root, const QString& relative)
{
    FakeDrives drives;
    MediaFiles files(drives);
    QString media = root;
    for (const QString& part : relative.split(QLatin1Char('/')))
        media += QLatin1Char('\\') + part;
    return files.resolve(media).value_or(QString());
}

bool names(const mediarules::ExpectedFile& f, std::initializer_list<const char*> wanted)
{
    for (const char* w : wanted)
        if (f.path.name.compare(QLatin1String(w), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// The whole tree in draft size, written once for the tests that read it.
class DraftTree : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        demomedia::Options o;
        o.mediaDir = s_dir->path();
        o.programDir = s_dir->path(); // one folder for both roots, as with the HWI switch
        o.draft = true;
        s_result = new demomedia::Result(demomedia::generate(o));
    }
    static void TearDownTestSuite()
    {
        delete s_result;
        delete s_dir;
    }
    static QTemporaryDir* s_dir;
    static demomedia::Result* s_result;
};
QTemporaryDir* DraftTree::s_dir = nullptr;
demomedia::Result* DraftTree::s_result = nullptr;

} // namespace

TEST_F(DraftTree, CheckerFindsNothingMissing)
{
    ASSERT_TRUE(s_result->errors.isEmpty()) << qPrintable(s_result->errors.join('\n'));
    FakeDrives drives;
    MediaFiles files(drives);
    const MediaCheckReport r = checkMedia(files, s_dir->path(), s_dir->path());
    EXPECT_EQ(r.missing, 0) << qPrintable(r.text().filter("missing").mid(0, 10).join('\n'));
    EXPECT_EQ(r.exitCode(), 0);
    EXPECT_TRUE(r.entriesWithoutPhoto.isEmpty()) << qPrintable(r.entriesWithoutPhoto.join(','));
    EXPECT_GT(r.ok, 700);
    // Photo captions were checked and found as well.
    EXPECT_TRUE(r.text().contains("ok media richtext/GAA.rtf"));
}

TEST_F(DraftTree, LeavesTheDeliberateGaps)
{
    EXPECT_TRUE(find(s_dir->path(), "richtext/nostalgia63.rtf").isEmpty());
    EXPECT_FALSE(find(s_dir->path(), "richtext/nostalgia56.rtf").isEmpty());
    EXPECT_TRUE(find(s_dir->path(), "ads/76dnzp00.jpg").isEmpty());
    EXPECT_TRUE(find(s_dir->path(), "ads/96dnzp00.jpg").isEmpty());
    EXPECT_FALSE(find(s_dir->path(), "ads/77dnzp00.jpg").isEmpty());
    // Different spellings of one folder end up in one folder.
    const QStringList folders = QDir(s_dir->path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QSet<QString> folded;
    for (const QString& f : folders)
        folded.insert(f.toLower());
    EXPECT_EQ(folded.size(), folders.size()) << qPrintable(folders.join(','));
    EXPECT_TRUE(folders.contains("clipart"));
    EXPECT_TRUE(folders.contains("RichText"));
}

TEST_F(DraftTree, PhotosFollowTheNamingAndNumberingRules)
{
    const QStringList photos = QDir(s_dir->path() + "/zephanes").entryList(QDir::Files);
    int topTen = 0;
    for (const QString& p : photos) {
        EXPECT_EQ(p, p.toUpper());
        EXPECT_TRUE(p.endsWith(".JPG"));
        EXPECT_LE(p.size(), 12);
        topTen += p.startsWith("TT") ? 1 : 0;
    }
    EXPECT_EQ(topTen, 10);
    EXPECT_TRUE(photos.contains("A0A.JPG")); // 2000's photos begin with its code
    EXPECT_GE(photos.size(), (47 + 36) * 3);
}

TEST_F(DraftTree, StandInsAreExecutableAndFormatsAreValid)
{
    const QString scr = find(s_dir->path(), "Zephane2000.scr");
    ASSERT_FALSE(scr.isEmpty());
    EXPECT_TRUE(QFileInfo(scr).isExecutable());
    EXPECT_TRUE(QFileInfo(find(s_dir->path(), "IndeoVideo/iv5play.exe")).isExecutable());

    const QByteArray rtf = readAll(find(s_dir->path(), "RichText/glossary.rtf"));
    ASSERT_TRUE(rtf.startsWith("{\\rtf1"));
    int depth = 0;
    for (int i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i; // an escaped brace does not count
            continue;
        }
        depth += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
    EXPECT_TRUE(rtf.contains("\\page"));     // the long documents run to several pages
    EXPECT_TRUE(rtf.contains("\\trowd"));    // with a table
    EXPECT_TRUE(rtf.contains("\\pnlvlblt")); // and a bulleted list
}

TEST(DemoMediaFullSize, PicturesHaveTheirSizesAndOrientations)
{
    QTemporaryDir dir;
    demomedia::Options o;
    o.mediaDir = dir.path();
    o.programDir = dir.path() + "/program";
    o.photos = false;
    o.include = [](const mediarules::ExpectedFile& f) {
        return names(f, {"63dnzp00.jpg", "84dnzp00.jpg", "st010.jpg", "emb63f.jpg", "Z5EMBLEM.jpg"});
    };
    const demomedia::Result r = demomedia::generate(o);
    ASSERT_TRUE(r.errors.isEmpty());
    EXPECT_EQ(r.files, 5);
    const QImage portrait(find(dir.path(), "ads/63dnzp00.jpg"));
    const QImage landscape(find(dir.path(), "ads/84dnzp00.jpg"));
    const QImage series(find(dir.path(), "OverSize/st010.jpg"));
    EXPECT_GT(portrait.height(), portrait.width());
    EXPECT_GT(landscape.width(), landscape.height());
    EXPECT_GT(series.width(), 1920);
    EXPECT_GT(series.height(), 1080);
    EXPECT_EQ(QImage(find(dir.path(), "embfront/emb63f.jpg")).width(), 180);
    // The default picture goes to the program folder only.
    EXPECT_FALSE(find(dir.path() + "/program", "graphics/Z5EMBLEM.jpg").isEmpty());
    EXPECT_TRUE(find(dir.path(), "graphics/Z5EMBLEM.jpg").isEmpty());
}

TEST(DemoMediaFullSize, SameBytesOnEveryRun)
{
    QTemporaryDir a, b;
    auto run = [](const QString& where) {
        demomedia::Options o;
        o.mediaDir = where;
        o.programDir = where;
        o.photos = false;
        o.include = [](const mediarules::ExpectedFile& f) {
            return names(f,
                         {"53desc.rtf", "emb00s.jpg", "carhorns.wav", "c12.avi", "st009.jpg", "passby.wav"});
        };
        return demomedia::generate(o);
    };
    ASSERT_EQ(run(a.path()).files, 7); // passby.wav is both a sound effect and the start-up sound
    ASSERT_EQ(run(b.path()).files, 7);
    QDirIterator it(a.path(), QDir::Files, QDirIterator::Subdirectories);
    int compared = 0;
    while (it.hasNext()) {
        const QString file = it.next();
        const QString twin = b.path() + file.mid(a.path().size());
        EXPECT_EQ(readAll(file), readAll(twin)) << qPrintable(file);
        ++compared;
    }
    EXPECT_EQ(compared, 7);
}

TEST(DemoMediaFullSize, ReusesAFolderThatIsSpelledOtherwise)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("RICHTEXT");
    demomedia::Options o;
    o.mediaDir = dir.path();
    o.programDir = dir.path();
    o.photos = false;
    o.include = [](const mediarules::ExpectedFile& f) { return names(f, {"53desc.rtf", "ostrand.rtf"}); };
    EXPECT_TRUE(demomedia::generate(o).errors.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"RICHTEXT"});
    EXPECT_EQ(QDir(dir.path() + "/RICHTEXT").entryList(QDir::Files).size(), 2);
}

TEST(DemoMediaStamp, OnlyACompleteRunMarksTheTreeCurrent)
{
    QTemporaryDir dir;
    EXPECT_FALSE(demomedia::isCurrent(dir.path()));
    demomedia::Options o;
    o.mediaDir = dir.path();
    o.programDir = dir.path();
    o.photos = false;
    o.include = [](const mediarules::ExpectedFile& f) { return names(f, {"53desc.rtf"}); };
    demomedia::generate(o);
    EXPECT_FALSE(demomedia::isCurrent(dir.path())); // a subset is no complete tree

    // Every required file, full size: the tree is current, and a later subset run does not unmark it.
    o.include = nullptr;
    ASSERT_TRUE(demomedia::generate(o).errors.isEmpty());
    EXPECT_TRUE(demomedia::isCurrent(dir.path()));
    o.include = [](const mediarules::ExpectedFile& f) { return names(f, {"53desc.rtf"}); };
    demomedia::generate(o);
    EXPECT_TRUE(demomedia::isCurrent(dir.path()));

    // A stamp of another generator version, or of a draft tree, is not current.
    QFile stamp(dir.path() + QLatin1Char('/') + demomedia::kStampName);
    ASSERT_TRUE(stamp.open(QIODevice::WriteOnly | QIODevice::Truncate));
    stamp.write("zephane-demo-media 0\n");
    stamp.close();
    EXPECT_FALSE(demomedia::isCurrent(dir.path()));
}

TEST_F(DraftTree, ADraftTreeIsNeverTakenForTheFullOne)
{
    ASSERT_TRUE(s_result->errors.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(s_dir->path() + QLatin1Char('/') + demomedia::kStampName));
    EXPECT_FALSE(demomedia::isCurrent(s_dir->path()));
}

TEST(DemoMediaTarget, UnwritableFolderIsReportedNotIgnored)
{
    QTemporaryDir dir;
    QFile blocker(dir.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    demomedia::Options o;
    o.mediaDir = dir.path() + "/file/media"; // below a plain file: cannot be created
    o.programDir = dir.path();
    o.photos = false;
    const demomedia::Result r = demomedia::generate(o);
    EXPECT_FALSE(r.errors.isEmpty());
    EXPECT_EQ(r.files, 0);
}

TEST(WavSynth, SixteenBitPcmAndDistinctSounds)
{
    const QByteArray horn = wavsynth::wavFile(wavsynth::render(wavsynth::recipeFor("carhorns.wav")));
    ASSERT_GE(horn.size(), 44);
    EXPECT_TRUE(horn.startsWith("RIFF"));
    EXPECT_EQ(horn.mid(8, 8), QByteArray("WAVEfmt "));
    EXPECT_EQ(qFromLittleEndian<quint16>(horn.constData() + 20), 1); // PCM
    EXPECT_EQ(qFromLittleEndian<quint16>(horn.constData() + 22), 1); // mono
    EXPECT_EQ(qFromLittleEndian<quint32>(horn.constData() + 24), 22050u);
    EXPECT_EQ(qFromLittleEndian<quint16>(horn.constData() + 34), 16); // bits
    EXPECT_EQ(qFromLittleEndian<quint32>(horn.constData() + 40), quint32(horn.size() - 44));
    EXPECT_EQ(qFromLittleEndian<quint32>(horn.constData() + 4), quint32(horn.size() - 8));

    // Audible: a good part of full scale, and no two effects alike.
    const std::vector<int16_t> s = wavsynth::render(wavsynth::recipeFor("car_door.wav"));
    int peak = 0;
    for (int16_t v : s)
        peak = std::max(peak, std::abs(int(v)));
    EXPECT_GT(peak, 8000);
    QSet<QByteArray> seen;
    for (const mediarules::SoundEffect& e : mediarules::soundEffects())
        seen.insert(wavsynth::wavFile(wavsynth::render(wavsynth::recipeFor(e.path.name), 0.2)));
    EXPECT_EQ(seen.size(), int(mediarules::soundEffects().size()));
}

TEST(AviWriter, RiffStructureWithIndexedMjpegAndPcm)
{
    aviwriter::Movie m;
    m.width = 32;
    m.height = 24;
    m.framesPerSecond = 10;
    m.jpegFrames = {QByteArray("\xff\xd8 odd", 7), QByteArray("\xff\xd8 even", 8)};
    m.audio.assign(4410, 100);
    m.audioRate = 22050;
    const QByteArray avi = aviwriter::write(m);
    EXPECT_TRUE(avi.startsWith("RIFF"));
    EXPECT_EQ(avi.mid(8, 4), QByteArray("AVI "));
    EXPECT_EQ(qFromLittleEndian<quint32>(avi.constData() + 4), quint32(avi.size() - 8));
    EXPECT_TRUE(avi.contains("vidsMJPG"));
    EXPECT_TRUE(avi.contains("auds"));
    const qsizetype idx = avi.lastIndexOf("idx1");
    ASSERT_GT(idx, 0);
    EXPECT_EQ(qFromLittleEndian<quint32>(avi.constData() + idx + 4), 4u * 16u); // 2 video + 2 audio chunks
    // Each index entry points at its chunk, counted from the "movi" type field.
    const qsizetype movi = avi.indexOf("movi");
    for (int e = 0; e < 4; ++e) {
        const char* entry = avi.constData() + idx + 8 + e * 16;
        const quint32 offset = qFromLittleEndian<quint32>(entry + 8);
        EXPECT_EQ(avi.mid(movi + offset, 4), QByteArray(entry, 4));
    }
    // Odd-sized chunks are padded so the next chunk starts on an even offset.
    EXPECT_EQ((avi.indexOf("00dc", avi.indexOf("00dc") + 4) - movi) % 2, 0);
}
