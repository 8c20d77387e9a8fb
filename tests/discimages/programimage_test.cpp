// The whole program started on a disc image, mounted for real with fuseiso: the main window shows its photos.
#include <QDir>
#include <QPushButton>

#include "catalog/mediaopener.h"
#include "mainwin/programfixture.h"
#include "platform/qt/fuseisomount.h"
#include "platform/qt/linuxdiscimages.h"
#include "platform/qt/mounttable.h"
#include "support/discimagetools.h"

namespace {

class ProgramOnImage : public ProgramFixture {
protected:
    void SetUp() override
    {
        const QString gone = discimagetools::missing({"fuseiso", "fusermount"});
        ASSERT_TRUE(gone.isEmpty()) << qPrintable(gone);
        if (!discimagetools::hasFuse()) {
            if (!discimagetools::fuseExpected())
                GTEST_SKIP() << "no /dev/fuse here, and ZEPHANE_TESTS_WITHOUT_FUSE=1 says so on purpose";
            FAIL() << "no /dev/fuse: disc images cannot be mounted with fuseiso on this machine";
        }
        std::vector<std::unique_ptr<IImageMountMethod>> methods;
        methods.push_back(std::make_unique<FuseIsoMount>());
        images = std::make_unique<LinuxDiscImages>(work.filePath("run"), std::move(methods));
    }
    void TearDown() override
    {
        program.reset(); // the files of the image are closed before it goes
        images.reset();
    }
    void start(const QString& media)
    {
        program = std::make_unique<Program>(ports, programFolder.path(), images.get());
        started = program->start("--media " + media, media);
    }

    QTemporaryDir work;
    QTemporaryDir programFolder;
    std::unique_ptr<LinuxDiscImages> images;
};

} // namespace

TEST_F(ProgramOnImage, ImageNamedOnTheCommandLineIsMountedAndItsPhotosShown)
{
    addPhotos();
    const QString iso = work.filePath("Zephane Folarium.iso");
    const QString error = discimagetools::makeIso(tree.path(), iso);
    ASSERT_TRUE(error.isEmpty()) << qPrintable(error);

    start(iso);
    ASSERT_TRUE(started) << (messages.shown.empty() ? "" : qPrintable(messages.last().text));
    const QString root = session().roots.mediaRoot;
    EXPECT_TRUE(root.startsWith(work.filePath("run"))) << qPrintable(root);
    EXPECT_TRUE(mounttable::isMountPoint(root));
    EXPECT_EQ(session().roots.photoRoot, root);
    EXPECT_EQ(session().index.photoCount(), 6 + int(catalogue::collections().size()));
    EXPECT_EQ(desktop.settings[MediaOpener::settingKey()], iso);

    fireSplashTimer();
    ASSERT_NE(window(), nullptr);
    window()->yearButton(1)->click();
    EXPECT_EQ(panYear(), "1953");
    EXPECT_TRUE(photoLabel()->isVisible());
    EXPECT_FALSE(photoLabel()->pixmap().isNull());
    EXPECT_TRUE(session().step.currentPhotoPath.startsWith(root))
        << qPrintable(session().step.currentPhotoPath);
    EXPECT_TRUE(messages.shown.empty());

    program.reset();
    images->releaseAll();
    EXPECT_FALSE(mounttable::isMountPoint(root));
}

TEST_F(ProgramOnImage, ImageWithoutPhotosEndsWithAMessageAndStatusTwo)
{
    tree.add("readme.txt", "no photos here");
    const QString iso = work.filePath("other.iso");
    ASSERT_TRUE(discimagetools::makeIso(tree.path(), iso).isEmpty());
    start(iso);
    EXPECT_FALSE(started);
    EXPECT_TRUE(processes.ended);
    EXPECT_EQ(processes.endCode, 2);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().icon, MessageIcon::Error);
    EXPECT_TRUE(messages.last().text.contains(iso));
    EXPECT_TRUE(messages.last().text.contains("zephanes"));
    EXPECT_FALSE(program->splash()->isVisible());
    EXPECT_TRUE(desktop.settings.empty());
    EXPECT_TRUE(QDir(work.filePath("run/mounts")).entryList(QDir::Files).isEmpty()) << "nothing left mounted";
}
