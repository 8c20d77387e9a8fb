#include <cstdlib>

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "catalog/errorcodes.h"
#include "catalog/mediarules.h"
#include "libraryfixture.h"
#include "viewers/ui/librarymodule.h"
#include "viewers/ui/soundpanel.h"

namespace {

struct SoundTest : LibraryFixture {
    RecordingViewer viewer{session->documents};
    LibraryModule module{*session, ports, frame, viewer};
    SoundPanel& panel = *module.soundPanel();

    QString addSound(int index) const
    {
        return media(mediarules::soundEffects()[static_cast<size_t>(index)].path.slashPath(), "RIFF....WAVE");
    }
};

TEST_F(SoundTest, ASecondSoundClosesTheFirst)
{
    addSound(3);
    const QString second = addSound(24);
    panel.playButton(3)->click();
    ASSERT_TRUE(mainMedia.playing);
    panel.playButton(24)->click();

    const QStringList expected = {"close", "open", "play", "close", "open", "play"};
    EXPECT_EQ(mainMedia.commands, expected);
    EXPECT_EQ(mainMedia.deviceType, QStringLiteral("WaveAudio"));
    // Label and file are paired by index, also where the name suggests another sound.
    EXPECT_EQ(mainMedia.fileName, second);
    EXPECT_TRUE(second.endsWith(QStringLiteral("/wav/porche.wav")));
    EXPECT_EQ(panel.label(24)->text(), QStringLiteral("Mustang Mach I"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SoundTest, AMissingOrUnplayableSoundIsReportedAndNothingStaysOpen)
{
    panel.playButton(0)->click();
    EXPECT_EQ(session->errors.code, errc::kSoundEffect);
    EXPECT_TRUE(mainMedia.commands.isEmpty()) << "a missing file never reaches the device";

    const QString bad = addSound(1);
    mainMedia.failingFiles.insert(bad);
    messages.shown.clear();
    panel.playButton(1)->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("Error number: ") + errc::kSoundEffect));
    EXPECT_FALSE(mainMedia.isOpen);
}

TEST_F(SoundTest, StopClosesAndIsHarmlessWhenNothingPlays)
{
    panel.stopButton()->click();
    EXPECT_EQ(mainMedia.commands, QStringList{"close"});
    EXPECT_TRUE(messages.shown.empty());
    addSound(5);
    panel.playButton(5)->click();
    panel.stopButton()->click();
    EXPECT_FALSE(mainMedia.playing);
}

TEST_F(SoundTest, ThePanelIsCentredOverTheYearStripAndCloseEnablesTheMainWindow)
{
    frame.widget.show();
    QApplication::setActiveWindow(&frame.widget);
    ASSERT_TRUE(session->commands.run(Command::SoundEffects));
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.y(), frame.photo.top());
    EXPECT_LE(std::abs((panel.x() + panel.width() / 2) - (frame.span.left() + frame.span.width() / 2)), 1)
        << "centred over the span from the strip's left edge";
    EXPECT_EQ(panel.parentWidget(), &frame.widget);
    EXPECT_TRUE(panel.closeButton()->hasFocus());

    panel.closeButton()->click();
    EXPECT_FALSE(panel.isVisible());
    ASSERT_FALSE(frame.enables.empty());
    EXPECT_TRUE(frame.enables.back());
}

TEST_F(SoundTest, ButtonsStandInThreeColumnsWithTheirLabelsBeside)
{
    const auto& sounds = mediarules::soundEffects();
    ASSERT_EQ(sounds.size(), 27u);
    for (const auto& s : sounds) {
        SCOPED_TRACE(s.label.toStdString());
        QPushButton* b = panel.playButton(s.index);
        QLabel* l = panel.label(s.index);
        const int column = s.index <= 12 ? 0 : s.index <= 19 ? 1 : 2;
        const int first = column == 0 ? 0 : column == 1 ? 13 : 20;
        EXPECT_EQ(b->x(), QList<int>({360, 3000, 5520})[column] / 15);
        EXPECT_EQ(b->y(), (600 + 360 * (s.index - first)) / 15);
        EXPECT_EQ(l->y(), b->y());
        EXPECT_EQ(l->x(), b->x() + 360 / 15);
        EXPECT_EQ(l->text(), s.label);
        // The small buttons paint no text: the sound's name is what a screen reader reads.
        EXPECT_EQ(b->accessibleName(), s.label);
        EXPECT_NE(b->focusPolicy() & Qt::TabFocus, 0);
    }
    EXPECT_EQ(panel.stopButton()->text(), QStringLiteral("Stop"));
    EXPECT_EQ(panel.closeButton()->text(), QStringLiteral("Close"));
}

} // namespace
