#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalSpy>

#include "catalog/mediafiles.h"
#include "fakes/fakedrives.h"
#include "saverfakes.h"
#include "savershow.h"
#include "saverwindow.h"
#include "support/mediatree.h"

namespace {

void move(QWidget& w, QPoint at)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(at), QPointF(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &e);
}

int brightPixels(const QImage& shot)
{
    int n = 0;
    for (int y = 0; y < shot.height(); y += 4)
        for (int x = 0; x < shot.width(); x += 4)
            n += qGray(shot.pixel(x, y)) > 60;
    return n;
}

} // namespace

TEST(SaverWindow, AnyKeyOrClickOrRealMovementAsksToQuit)
{
    SaverWindow w(true);
    w.resize(400, 300);
    QSignalSpy quit(&w, &SaverWindow::quitRequested);

    move(w, {100, 100}); // where the pointer is when the saver appears
    move(w, {104, 103}); // settling, or a synthetic motion as the window maps
    EXPECT_EQ(quit.count(), 0);
    move(w, {130, 100});
    EXPECT_EQ(quit.count(), 1);

    QKeyEvent key(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    QCoreApplication::sendEvent(&w, &key);
    EXPECT_EQ(quit.count(), 2);

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &press);
    EXPECT_EQ(quit.count(), 3);
}

TEST(SaverWindow, InsideAnotherProgramsWindowInputIsLeftToThatProgram)
{
    SaverWindow w(false);
    QSignalSpy quit(&w, &SaverWindow::quitRequested);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &key);
    move(w, {0, 0});
    move(w, {300, 300});
    EXPECT_EQ(quit.count(), 0);
}

TEST(SaverWindow, ThePhotoIsCentredOnBlackAndAMessageIsReadable)
{
    SaverWindow w(true);
    w.resize(400, 300);
    QImage photo(200, 300, QImage::Format_RGB32);
    photo.fill(QColor(250, 250, 250));
    w.showPhoto(photo);
    QImage shot = w.grab().toImage();
    EXPECT_EQ(qGray(shot.pixel(10, 150)), 0);    // left margin
    EXPECT_GT(qGray(shot.pixel(200, 150)), 240); // centre
    EXPECT_EQ(qGray(shot.pixel(390, 150)), 0);   // right margin

    w.showMessage("The photo folder E:\\zephanes\\ cannot be found.");
    EXPECT_EQ(w.message(), "The photo folder E:\\zephanes\\ cannot be found.");
    shot = w.grab().toImage();
    EXPECT_GT(brightPixels(shot), 0);
    EXPECT_LT(brightPixels(shot), (400 / 4) * (300 / 4) / 4); // text, not a white screen
}

TEST(SaverWindow, GeneratedPhotosAdvanceAfterOneIntervalDrivenByHandAndAKeyEndsIt)
{
    MediaTree tree;
    tree.addFolder("sszephs");
    const QList<QColor> colours = {Qt::red, Qt::green, Qt::blue};
    for (int i = 0; i < colours.size(); ++i) {
        QImage img(640, 480, QImage::Format_RGB32);
        img.fill(colours[i]);
        ASSERT_TRUE(img.save(tree.file(QStringLiteral("sszephs/%1.jpg").arg(i)), "JPG"));
    }
    FakeDrives drives;
    MediaFiles files(drives);
    SaverWindow w(true);
    w.resize(320, 240);
    FakeSaverTimer timer;
    FakeDecoder decoder;
    SaverShow show(w, timer, decoder, [&files](const QString& p) { return PhotoFolder::find(p, files); });
    SaverSettings s;
    s.photoPath = tree.path() + "\\SSZEPHS\\";
    s.intervalSeconds = 3;
    show.start(s);
    decoder.answer(true);
    decoder.answer(true);
    const QRgb first = w.grab().toImage().pixel(160, 120);
    EXPECT_GT(qRed(first), 200);
    EXPECT_EQ(timer.intervalMs, 3000);

    timer.fire();
    const QRgb second = w.grab().toImage().pixel(160, 120);
    EXPECT_GT(qGreen(second), 200);
    EXPECT_LT(qRed(second), 60);

    QSignalSpy quit(&w, &SaverWindow::quitRequested);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &key);
    EXPECT_EQ(quit.count(), 1);
}
