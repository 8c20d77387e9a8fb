// The slide-show window through its widgets, launched through Command::SlideShow: captions, the control
// bar's states, the spinner, the small-screen layout, the clock, the keys, right-click copy and closing.
#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

#include "catalog/photoindex.h"
#include "fakes/fakeclipboard.h"
#include "fakes/fakeclock.h"
#include "fakes/fakedesktop.h"
#include "fakes/fakefilesystem.h"
#include "fakes/fakemainframe.h"
#include "fakes/fakemediadevice.h"
#include "fakes/fakeprinter.h"
#include "fakes/fakescreen.h"
#include "session/session.h"
#include "slideshow/slidecontroller.h"
#include "slideshow/ui/slidepicture.h"
#include "slideshow/ui/slideshowmodule.h"
#include "slideshow/ui/slideshowwindow.h"
#include "support/testservices.h"

namespace {

using C = SlideControl;

struct WindowFixture : ::testing::Test, TestServices {
    FakeScreen screen{800, 600};
    FakeMediaDevice splash, mainMedia;
    FakeClipboard clipboard;
    FakePrinter printer;
    FakeClock clock;
    FakeMediaDevice movieMedia;
    FakeDesktop desktop;
    FakeFileSystem fileSystem;
    Ports ports{processes,  messages,  drives,  screen,  splash, mainMedia,
                movieMedia, clipboard, printer, desktop, clock,  fileSystem};
    Session session{ports, QString()};
    FakeMainFrame frame;
    std::unique_ptr<SlideShowModule> module;

    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        session.roots.mediaRoot = session.roots.photoRoot = tree.path();
        jpeg("graphics/97emboss.jpg", 320, 200);
        jpeg("graphics/53tile.jpg", 320, 200);
        jpeg("graphics/insignia.jpg", 320, 200);
        jpeg("embfront/emb53f.jpg", 90, 60);
        jpeg("scripts/scri53.jpg", 200, 40);
        QStringList names = {"53A.JPG", "53B.JPG", "54A.JPG"};
        for (const QString& n : names)
            jpeg("zephanes/" + n, 640, 480);
        buildPhotoIndex(session.index, names, tree.path());
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    void jpeg(const QString& relative, int w, int h)
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(QColor::fromHsv(int(qHash(relative) % 360), 200, 200));
        tree.add(relative);
        img.save(tree.file(relative), "JPG");
    }

    // Launches through the command; the body runs while the window is "modal".
    void run(const std::function<void(SlideShowWindow&)>& body)
    {
        module = std::make_unique<SlideShowModule>(session, ports, frame);
        module->setModalRunner([&](SlideShowWindow& w) {
            w.show();
            body(w);
        });
        ASSERT_TRUE(session.commands.run(Command::SlideShow));
    }

    static QString text(SlideShowWindow& w, C c) { return w.caption(c); }
    static void click(SlideShowWindow& w, BarButton b) { w.barButton(b)->click(); }
};

TEST_F(WindowFixture, DesignCaptionsToolTipsAndClockFormats)
{
    clock.time = QDateTime(QDate(2000, 1, 5), QTime(14, 5, 9, 250));
    run([&](SlideShowWindow& w) {
        EXPECT_EQ(w.objectName(), "frmSlide");
        EXPECT_EQ(w.windowTitle(), "Zephane Folarium Slide Show");
        const std::pair<const char*, const char*> buttons[] = {
            {"SSCommand1", "Beginning"}, {"SSCommand2", "Middle"},   {"Option1_0", "Photos"},
            {"Option1_1", "ClipArt"},    {"Option1_2", "Insignias"}, {"cmdExit", "Exit"}};
        for (const auto& [name, caption] : buttons) {
            auto* b = w.findChild<QAbstractButton*>(name);
            ASSERT_TRUE(b) << name;
            EXPECT_EQ(b->text(), caption);
        }
        EXPECT_EQ(w.findChild<QWidget*>("SSCommand1")->toolTip(), "Jump to Slide 1");
        EXPECT_EQ(w.findChild<QWidget*>("SSCommand2")->toolTip(), "Jump to Middle");
        EXPECT_EQ(w.findChild<QWidget*>("Option1_2")->toolTip(), "Show Emblems & Scripts");
        EXPECT_EQ(w.findChild<QWidget*>("SpinInterval")->toolTip(), "Set Slide Show Delay");
        EXPECT_EQ(w.findChild<QWidget*>("mmSlide")->toolTip(),
                  "[Bkwd] [Fwd] [Play] [Pause] [Jump Bkwd] [Jump Fwd] [Exit]");
        for (const char* p : {"Image1", "Picture2", "Picture3", "Picture4"})
            EXPECT_EQ(w.findChild<QWidget*>(p)->toolTip(), "Click the Right mouse button to copy");
        EXPECT_EQ(text(w, C::CoStar), "The Zephane Folarium  2000");
        EXPECT_EQ(text(w, C::PanInterval), " 1 second");
        EXPECT_TRUE(w.findChild<QAbstractButton*>("Option1_0")->isChecked());
        // The clock shows the time at once and wakes again on the next second, not every 10 ms.
        EXPECT_EQ(text(w, C::StatusTime), "02:05:09 pm");
        EXPECT_EQ(text(w, C::StatusDate), "01/05/00");
        EXPECT_EQ(text(w, C::StatusDay), "Wednesday");
        EXPECT_EQ(w.clockTimer().interval(), 750);
        clock.advanceMs(750);
        w.updateClock(); // Timer3's tick
        EXPECT_EQ(text(w, C::StatusTime), "02:05:10 pm");
        EXPECT_EQ(w.clockTimer().interval(), 1000);
        // Panels whose text changes are read by that text.
        EXPECT_TRUE(w.control(C::PanYear)->accessibleName().isEmpty());
        EXPECT_FALSE(w.control(C::StatusTime)->accessibleDescription().isEmpty());
    });
}

TEST_F(WindowFixture, PlayAndPauseChangeOnlyTheirStates)
{
    session.step.shownPhotoIndex = 1;
    run([&](SlideShowWindow& w) {
        auto enabled = [&](BarButton b) { return w.barButton(b)->isEnabled(); };
        EXPECT_FALSE(enabled(BarButton::Pause));
        for (BarButton b : {BarButton::Bkwd, BarButton::Fwd, BarButton::Play, BarButton::JumpBkwd,
                            BarButton::JumpFwd, BarButton::Exit})
            EXPECT_TRUE(enabled(b));
        EXPECT_EQ(text(w, C::PhotoNumber), "1 of 3");
        click(w, BarButton::Play);
        EXPECT_TRUE(enabled(BarButton::Pause));
        EXPECT_TRUE(enabled(BarButton::Play));
        EXPECT_FALSE(enabled(BarButton::Fwd));
        EXPECT_FALSE(w.control(C::Beginning)->isEnabled());
        EXPECT_FALSE(w.control(C::OptionClipArt)->isEnabled());
        EXPECT_TRUE(w.timer(SlideTimer::Photos).isActive());
        EXPECT_EQ(w.timer(SlideTimer::Photos).interval(), 1000);
        emit w.tick(SlideTimer::Photos); // Timer1, by hand
        EXPECT_EQ(session.errors.code, QString());
        EXPECT_EQ(text(w, C::PhotoNumber), "2 of 3");
        QTest::keyClick(w.control(C::Beginning), Qt::Key_Period); // disabled while playing: nothing
        EXPECT_EQ(text(w, C::PhotoNumber), "2 of 3");
        click(w, BarButton::Pause);
        EXPECT_FALSE(enabled(BarButton::Pause));
        EXPECT_TRUE(enabled(BarButton::Fwd));
        EXPECT_FALSE(w.timer(SlideTimer::Photos).isActive());
        EXPECT_TRUE(w.control(C::Beginning)->hasFocus() || !QApplication::focusWindow());
        QTest::keyClick(w.control(C::Beginning), Qt::Key_Period);
        EXPECT_EQ(text(w, C::PhotoNumber), "3 of 3");
        QTest::keyClick(w.control(C::Beginning), Qt::Key_Comma);
        EXPECT_EQ(text(w, C::PhotoNumber), "2 of 3");
    });
}

TEST_F(WindowFixture, PlayingDecodesTheNextSlideAheadAndNeverBlanksThePicture)
{
    tree.add("zephanes/54A.JPG", "not a picture");
    session.step.shownPhotoIndex = 1;
    run([&](SlideShowWindow& w) {
        SlidePicture* image = w.picture(C::Image1);
        click(w, BarButton::Play);
        w.pictures().waitForPreloads();
        EXPECT_EQ(w.pictures().heldCount(), 2); // photo 1 on display, photo 2 decoded ahead
        emit w.tick(SlideTimer::Photos);
        EXPECT_TRUE(image->file().endsWith("53B.JPG"));
        EXPECT_EQ(image->shownImage().size(), image->size()); // decoded at the size it is shown
        emit w.tick(SlideTimer::Photos); // 54A.JPG cannot be read: the show stops, photo 2 stays
        EXPECT_TRUE(image->hasPicture());
        EXPECT_TRUE(image->file().endsWith("53B.JPG"));
        EXPECT_FALSE(w.timer(SlideTimer::Photos).isActive());
        EXPECT_EQ(messages.shown.size(), 1u);
    });
}

TEST_F(WindowFixture, SpinnerCaptions)
{
    session.slides.slideInterval = 45000; // left by the screen-saver settings: reset by the launch
    run([&](SlideShowWindow& w) {
        auto* up = w.findChild<QAbstractButton*>("SpinInterval_up");
        auto* down = w.findChild<QAbstractButton*>("SpinInterval_down");
        ASSERT_TRUE(up && down);
        down->click();
        EXPECT_EQ(text(w, C::PanInterval), "60 seconds");
        up->click();
        EXPECT_EQ(text(w, C::PanInterval), "1 seconds");
        for (int i = 0; i < 5; ++i)
            up->click();
        EXPECT_EQ(text(w, C::PanInterval), "10 seconds");
        EXPECT_EQ(session.slides.slideInterval, 10000);
    });
}

TEST_F(WindowFixture, SmallScreenLayoutPutsTheDateBeforeTheDay)
{
    struct Row {
        int w, h;
        bool dateFirst;
        int clockTop; // pixels
    };
    for (const Row& r : {Row{640, 480, true, 433}, Row{800, 600, false, 556}, Row{1024, 768, false, 556}}) {
        screen.width = r.w;
        screen.height = r.h;
        run([&](SlideShowWindow& w) {
            EXPECT_EQ(w.size(), QSize(r.w, r.h));
            const QWidget* date = w.control(C::StatusDate);
            const QWidget* day = w.control(C::StatusDay);
            EXPECT_EQ(date->x() < day->x(), r.dateFirst) << r.w;
            EXPECT_EQ(date->y(), r.clockTop) << r.w;
            if (r.dateFirst) {
                EXPECT_EQ(date->geometry(), QRect(241, 433, 100, 20)); // 3620, 6500, 1500 x 300 twips
                EXPECT_EQ(w.control(C::CmdExit)->x(), 541);            // 8120 twips
                EXPECT_EQ(w.control(C::Beginning)->x(), 229);          // 3440 twips
                EXPECT_EQ(w.control(C::ControlBar)->x(), 229);
                EXPECT_EQ(w.control(C::OptionClipArt)->x(), 568); // 8520 twips
                EXPECT_EQ(w.control(C::Image1)->height(), 367);   // 5900 - 400 twips
                EXPECT_LE(w.control(C::PhotoNumber)->geometry().bottom(), w.control(C::PanYear)->y());
            }
        });
    }
}

TEST_F(WindowFixture, RightClickCopiesThatPictureAfterYes)
{
    run([&](SlideShowWindow& w) {
        w.findChild<QAbstractButton*>("Option1_2")->click();
        w.control(C::Beginning)->setFocus();
        static_cast<QAbstractButton*>(w.control(C::Beginning))->click(); // the 1953 emblem slide
        QWidget* nose = w.control(C::Picture3);
        ASSERT_TRUE(w.picture(C::Picture3)->hasPicture());
        messages.answer({MessageAnswer::No});
        QTest::mouseClick(nose, Qt::RightButton);
        EXPECT_TRUE(clipboard.calls.empty());
        messages.answer({MessageAnswer::Yes});
        QTest::mouseClick(nose, Qt::LeftButton); // left does not ask
        EXPECT_EQ(messages.shown.size(), 1u);
        QTest::mouseClick(nose, Qt::RightButton);
        ASSERT_EQ(messages.shown.size(), 2u);
        EXPECT_EQ(messages.last().text, "Would you like to copy this image to the Windows Clipboard?");
        EXPECT_EQ(messages.last().icon, MessageIcon::Question);
        EXPECT_EQ(clipboard.calls, (std::vector<QString>{"clear", "image"}));
        EXPECT_EQ(clipboard.image.size(), QSize(90, 60)); // the nose emblem, not the script
    });
}

TEST_F(WindowFixture, LaunchClosesTheSaverListFirstAndExitHandsOver)
{
    std::vector<QString> order;
    session.hooks.closeSaverList = [&] { order.push_back(module->window() ? "saver after" : "saver"); };
    session.hooks.refreshEntryPictures = [&] { order.push_back("refresh"); };
    session.hooks.slideHandOver.showPhoto = [&](const QString&) {
        order.push_back("photo");
        return true;
    };
    session.selection.entryText = "1953";
    session.step.shownPhotoIndex = 2;
    SlideShowWindow* seen = nullptr;
    run([&](SlideShowWindow& w) {
        seen = &w;
        click(w, BarButton::Exit);
        EXPECT_FALSE(w.isVisible());
        for (SlideTimer t : {SlideTimer::Photos, SlideTimer::ClipArt, SlideTimer::Emblems})
            EXPECT_FALSE(w.timer(t).isActive());
        EXPECT_FALSE(w.clockTimer().isActive());
    });
    EXPECT_TRUE(seen);
    EXPECT_EQ(order, (std::vector<QString>{"saver", "photo", "refresh"}));
    EXPECT_EQ(module->window(), nullptr);
    EXPECT_FALSE(session.selection.refreshPending); // the hand-over has refreshed the main window
    EXPECT_EQ(session.selection.entryText, "1953");
    EXPECT_EQ(session.step.shownPhotoIndex, 2);

    // cmdExit closes without handing anything over.
    order.clear();
    run([&](SlideShowWindow& w) {
        static_cast<QAbstractButton*>(w.control(C::CmdExit))->click();
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(order, (std::vector<QString>{"saver"}));
    EXPECT_TRUE(session.selection.refreshPending); // the main window refreshes once the show is gone
}

TEST_F(WindowFixture, APhotoThatCannotBeLoadedAtLaunchIsReportedAndNothingOpens)
{
    tree.add("zephanes/53B.JPG", "not a picture");
    session.step.shownPhotoIndex = 2;
    bool opened = false;
    run([&](SlideShowWindow&) { opened = true; });
    EXPECT_FALSE(opened);
    EXPECT_FALSE(session.errors.code.isEmpty());
    EXPECT_EQ(module->window(), nullptr);
}

TEST_F(WindowFixture, TheShowCoversTheMainWindowsScreenFromItsTopLeftCorner)
{
    frame.widget.move(112, 84); // the main window is centred on any screen but 800 x 600
    const QRect screenArea = frame.widget.screen()->geometry();
    run([&](SlideShowWindow& w) {
        EXPECT_EQ(w.pos(), screenArea.topLeft());
        EXPECT_EQ(w.size(), QSize(800, 600));
    });
}

TEST_F(WindowFixture, TheControlsStayInFrontOfTheSlidePicture)
{
    const QStringList names = {"1953.jpg", "1954.jpg", "1955.jpg"};
    for (const QString& n : names)
        jpeg("clipart/" + n, 300, 200);
    buildClipArtIndex(session.index, names, tree.path());
    run([&](SlideShowWindow& w) {
        w.findChild<QAbstractButton*>("Option1_2")->click(); // Insignias sends the picture to the front
        w.findChild<QAbstractButton*>("Option1_1")->click();
        static_cast<QAbstractButton*>(w.control(C::Middle))->click(); // stretched, from 1000 twips down
        const QWidget* image = w.control(C::Image1);
        ASSERT_TRUE(image->geometry().intersects(w.control(C::Beginning)->geometry()));
        for (C c : {C::Beginning, C::Middle, C::OptionPhotos, C::OptionClipArt, C::OptionEmblems, C::PanYear,
                    C::ControlBar}) {
            const QWidget* control = w.control(c);
            const QWidget* hit = w.childAt(control->geometry().center());
            EXPECT_TRUE(hit == control || control->isAncestorOf(hit)) << control->objectName().toStdString();
        }
    });
}

TEST_F(WindowFixture, MiddleInInsigniasShowsTheEmblemsAtTheirOwnSize)
{
    jpeg("embrear/emb78r.jpg", 80, 50);
    jpeg("embside/emb78s.jpg", 120, 30);
    jpeg("embfront/emb78f.jpg", 90, 60);
    jpeg("scripts/scri78.jpg", 200, 40);
    run([&](SlideShowWindow& w) {
        w.findChild<QAbstractButton*>("Option1_2")->click();
        static_cast<QAbstractButton*>(w.control(C::Middle))->click();
        const QWidget* rear = w.control(C::Image1);
        EXPECT_EQ(rear->size(), QSize(80, 50));
        EXPECT_EQ(rear->pos(), QPoint((400 - 80) / 2, 4)); // centred in the left half, 60 twips down
        EXPECT_FALSE(w.picture(C::Image1)->stretch());
    });
}

TEST_F(WindowFixture, AMinimizedPlayingShowKeepsPlayingWhenRestored)
{
    session.step.shownPhotoIndex = 1;
    run([&](SlideShowWindow& w) {
        click(w, BarButton::Play);
        w.setWindowState(Qt::WindowMinimized);
        w.setWindowState(Qt::WindowNoState);
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(w.timer(SlideTimer::Photos).isActive());
        EXPECT_TRUE(w.clockTimer().isActive());
        EXPECT_TRUE(w.barButton(BarButton::Pause)->isEnabled());
        emit w.tick(SlideTimer::Photos);
        EXPECT_EQ(text(w, C::PhotoNumber), "2 of 3");
        w.close(); // the close box: now the timers stop for good
        EXPECT_FALSE(w.timer(SlideTimer::Photos).isActive());
        EXPECT_FALSE(w.clockTimer().isActive());
    });
}

TEST_F(WindowFixture, ANewShowStartsPausedAfterOneClosedWhilePlaying)
{
    session.step.shownPhotoIndex = 1;
    run([&](SlideShowWindow& w) {
        click(w, BarButton::Play);
        static_cast<QAbstractButton*>(w.control(C::CmdExit))->click();
    });
    ASSERT_TRUE(session.slides.slideShowPlaying);
    run([&](SlideShowWindow& w) {
        EXPECT_FALSE(session.slides.slideShowPlaying);
        EXPECT_FALSE(w.barButton(BarButton::Pause)->isEnabled());
        EXPECT_TRUE(w.control(C::Beginning)->isEnabled());
    });
}

} // namespace
