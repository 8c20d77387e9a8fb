#include <gtest/gtest.h>

#include "catalog/errorcodes.h"
#include "catalog/errorreporter.h"
#include "fakes/fakemessages.h"
#include "fakes/fakeprocesses.h"

namespace {

struct Reporter : ::testing::Test {
    ErrorState state;
    FakeMessages messages;
    FakeProcesses processes;
    ErrorReporter reporter{state, messages, processes};
    int focusMoves = 0;
    int enables = 0;

    void SetUp() override
    {
        reporter.setHooks({[this] { ++focusMoves; }, [this] { ++enables; }});
    }
};

// A code outside the message table, made from its number the way the table reads codes.
QString unknownCode(int number)
{
    return QStringLiteral("ER%1").arg(number, 3, 10, QLatin1Char('0'));
}

const QString kCd = QStringLiteral("\r\n\r\nMake sure that the Zephane Folarium is in the CDROM drive.");

} // namespace

TEST(ErrorTexts, ComposedExactly)
{
    EXPECT_EQ(errors::compose(errc::kEntryPhoto),
              "Error number: ER023\r\n\r\n Zephane photo not found for year selected." + kCd);
    EXPECT_EQ(errors::compose(errc::kBookletYearsMissing),
              "Error number: ER059\r\n\r\n You must select both a Start Year and an End Year. ");
    EXPECT_EQ(errors::compose(errc::kYearRangeReversed),
              "Error number: ER036\r\n\r\n 'TO' year may not be earlier than 'FROM' year.");
    EXPECT_EQ(errors::compose(errc::kMovieListing),
              "Error number: ER055\r\n\r\n Unable to detect the Zephane Folarium CDROM." + kCd);
    // ER028 is set by nothing, but its number lies in the ER025 to ER031 row.
    EXPECT_EQ(errors::compose(errc::kUnused028),
              "Error number: ER028\r\n\r\n Unable to load text file." + kCd);
    EXPECT_EQ(errors::compose(unknownCode(60)), "Error number: ER060\r\n\r\n" + kCd);
}

TEST(ErrorTexts, RangesAndOddCodes)
{
    EXPECT_EQ(errors::messageFor(errc::kLibraryBooks), " Unable to load text file.");
    EXPECT_EQ(errors::messageFor(errc::kLibraryCredits), " Unable to load text file.");
    EXPECT_EQ(errors::messageFor(errc::kSlideJumpBack), " Unable to load Slide Show photo or clip art.");
    EXPECT_EQ(errors::messageFor(errc::kSlideClipArtTick), " Unable to load Slide Show photo or clip art.");
    EXPECT_EQ(errors::messageFor(errc::kScript), " Unable to load  Script  for year selected.");
    EXPECT_EQ(errors::messageFor(errc::kRearEmblem), " Unable to load  Rear Emblem for year selected.");
    EXPECT_EQ(errors::messageFor(errc::kMiscellanyMenu), " Unable to load text file.");
    EXPECT_EQ(errors::messageFor(unknownCode(60)), "");
    EXPECT_EQ(errors::messageFor(unknownCode(0)), "");
    EXPECT_EQ(errors::messageFor("ER5"), "");
    EXPECT_EQ(errors::messageFor("er023"), "");
    EXPECT_EQ(errors::messageFor(""), "");
    EXPECT_EQ(errors::messageFor(errc::kSoundFile, "E:\\wav\\horn.wav"),
              " Unable to load sound file: v\\horn.wav");
}

TEST_F(Reporter, OrdinaryCodeShowsOkBoxThenFocusesAndEnables)
{
    EXPECT_EQ(reporter.report(errc::kEntryPhoto), ErrorReporter::Outcome::Acknowledged);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().title, "The Zephane Folarium");
    EXPECT_EQ(messages.last().icon, MessageIcon::Error);
    EXPECT_EQ(messages.last().buttons, MessageButtons::Ok);
    EXPECT_EQ(state.text, errors::compose(errc::kEntryPhoto));
    EXPECT_EQ(state.code, errc::kEntryPhoto) << "the code stays after a report";
    EXPECT_EQ(focusMoves, 1);
    EXPECT_EQ(enables, 1);
    EXPECT_FALSE(processes.ended);
}

TEST_F(Reporter, ReportWhileHandlingAFailureLeavesTheFocus)
{
    state.code = errc::kStepPhotoForward;
    reporter.report(ErrorReporter::Context::WhileHandlingFailure);
    EXPECT_EQ(focusMoves, 0);
    EXPECT_EQ(enables, 1);
}

TEST_F(Reporter, RetryReturnsWithoutTouchingTheWindow)
{
    messages.answer({MessageAnswer::Retry});
    EXPECT_EQ(reporter.report(errc::kMovieListing), ErrorReporter::Outcome::Retry);
    EXPECT_EQ(messages.last().buttons, MessageButtons::RetryCancel);
    EXPECT_EQ(messages.last().icon, MessageIcon::None);
    EXPECT_TRUE(messages.last().text.contains("Unable to detect the Zephane Folarium CDROM."));
    EXPECT_EQ(focusMoves, 0);
    EXPECT_EQ(enables, 0);
    EXPECT_FALSE(processes.ended);
}

TEST_F(Reporter, CancelEndsTheProgramAtOnce)
{
    messages.answer({MessageAnswer::Cancel});
    EXPECT_EQ(reporter.report(errc::kPhotoIndex), ErrorReporter::Outcome::ProgramEnded);
    EXPECT_TRUE(processes.ended);
    EXPECT_EQ(processes.endCode, 0);
    EXPECT_EQ(focusMoves, 0);
    EXPECT_EQ(enables, 0);
}

TEST_F(Reporter, UnknownCodeStillReportsWithOk)
{
    reporter.report(unknownCode(99));
    EXPECT_EQ(messages.last().buttons, MessageButtons::Ok);
    EXPECT_EQ(messages.last().text, "Error number: ER099\r\n\r\n" + kCd);
    reporter.report("garbage");
    EXPECT_EQ(messages.last().text, "Error number: garbage\r\n\r\n" + kCd);
}
