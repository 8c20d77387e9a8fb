// Printing the booklet and the photo through the printer port.
#include <QBuffer>
#include <QImage>

#include "catalog/errorcodes.h"
#include "fakes/fakeprinter.h"
#include "output/doc/bookletcontroller.h"
#include "output/doc/onejobprinter.h"
#include "outputfixture.h"

namespace {

QByteArray jpeg(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::darkRed);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

QByteArray rtf(const char* text)
{
    return QByteArray("{\\rtf1\\ansi ") + text + "\\par}";
}

BookletChoice only(std::initializer_list<BookletSection> sections)
{
    BookletChoice c{};
    for (BookletSection s : sections)
        c[size_t(s)] = true;
    return c;
}

} // namespace

struct Booklet : OutputFixture {
    FakePrinter printer;
    BookletController controller{session, printer, messages};

    Booklet()
    {
        for (const char* name : {"logofol2.jpg", "95white.jpg", "bklettxt.jpg", "vornic3.jpg", "emb99.jpg"})
            disc.add(QStringLiteral("graphics/") + QLatin1String(name), jpeg(40, 30));
        disc.add(QStringLiteral("RichText/intro.rtf"), rtf("Intro"));
        for (const char* p : {"82", "84", "99", "A0", "ZR"}) {
            disc.add(QStringLiteral("RichText/%1desc.rtf").arg(QLatin1String(p)), rtf("Description"));
            disc.add(QStringLiteral("RichText/%1.rtf").arg(QLatin1String(p)), rtf("Details"));
        }
        disc.add(QStringLiteral("RichText/ENGINES.rtf"), rtf("Engines"));
    }
};

TEST_F(Booklet, CoverPicturesGoAtTheirTwipPositionsAndTheWholeBookletIsOneJob)
{
    EXPECT_TRUE(controller.printBooklet(only({BookletSection::Cover, BookletSection::Overview,
                                              BookletSection::Description, BookletSection::Details}),
                                        QStringLiteral("1982"), QStringLiteral("1984")));
    EXPECT_EQ(printer.jobsStarted, 1);
    EXPECT_EQ(printer.jobsEnded, 1);
    ASSERT_EQ(printer.pictures.size(), 4u);
    EXPECT_EQ(printer.pictures[0].left, 1200);
    EXPECT_EQ(printer.pictures[0].top, 1600);
    EXPECT_EQ(printer.pictures[3].left, 2800);
    EXPECT_EQ(printer.pictures[3].top, 12000);
    for (const auto& p : printer.pictures)
        EXPECT_EQ(p.page, 0);
    // cover, intro, then 82 description and details, 84 description and details: one page each
    EXPECT_EQ(printer.renders.size(), 5u);
    EXPECT_EQ(printer.newPages, 5);
    EXPECT_EQ(messages.last().text, QStringLiteral("Booklet printed!\r\n"));
    EXPECT_EQ(messages.last().title, QStringLiteral("The Zephane Folarium"));
}

TEST_F(Booklet, ClipArtFollowingADocumentBeginsItsOwnPage)
{
    disc.add(QStringLiteral("ClipArt/1999.jpg"), jpeg(20, 10));
    disc.add(QStringLiteral("ClipArt/2000.jpg"), jpeg(20, 10));
    EXPECT_TRUE(controller.printBooklet(only({BookletSection::Overview, BookletSection::ClipArt}),
                                        QStringLiteral("1999"), QStringLiteral("2000")));
    ASSERT_EQ(printer.pictures.size(), 2u);
    EXPECT_EQ(printer.pictures[0].page, 1);
    EXPECT_EQ(printer.pictures[1].page, 2);
    EXPECT_EQ(printer.pictures[1].size, QSize(576, 288)); // six inches wide
    EXPECT_EQ(printer.jobsStarted, 1);
}

TEST_F(Booklet, OnlyCoverPrintsWithoutYearsAndEndsItsJob)
{
    EXPECT_TRUE(controller.printBooklet(only({BookletSection::Cover}), QString(), QString()));
    EXPECT_EQ(printer.pictures.size(), 4u);
    EXPECT_EQ(printer.jobsEnded, 1);
    EXPECT_EQ(printer.newPages, 0); // no blank page after the cover
}

TEST_F(Booklet, MissingDocumentReportsEr040AndKeepsWhatWasPrinted)
{
    QFile::remove(disc.file(QStringLiteral("RichText/84.rtf")));
    EXPECT_FALSE(controller.printBooklet(only({BookletSection::Description, BookletSection::Details}),
                                         QStringLiteral("1982"), QStringLiteral("1984")));
    EXPECT_EQ(session.errors.code, errc::kPrintBooklet);
    EXPECT_EQ(messages.last().text, errors::compose(errc::kPrintBooklet));
    EXPECT_EQ(printer.renders.size(), 3u); // 82desc, 82, 84desc
    EXPECT_EQ(printer.jobsEnded, 1);       // and they went out
}

TEST_F(Booklet, EnginesAloneNeedsTheYearsButCoverIsPrintedFirst)
{
    EXPECT_FALSE(controller.printBooklet(only({BookletSection::Cover, BookletSection::Engines}), QString(),
                                         QStringLiteral("1999")));
    EXPECT_EQ(session.errors.code, errc::kBookletYearsMissing);
    EXPECT_EQ(printer.pictures.size(), 4u);
    EXPECT_FALSE(messages.last().text.contains(QStringLiteral("Booklet printed!")));

    printer = FakePrinter();
    EXPECT_TRUE(controller.printBooklet(only({BookletSection::Engines}), QStringLiteral("1999"),
                                        QStringLiteral("ZR-1")));
    EXPECT_EQ(printer.renders.size(), 1u);
}

TEST_F(Booklet, APrinterThatCannotStartIsAnEr040)
{
    printer.startSucceeds = false;
    EXPECT_FALSE(controller.printBooklet(only({BookletSection::Overview}), QString(), QString()));
    EXPECT_EQ(session.errors.code, errc::kPrintBooklet);
}

TEST(OneJob, LaterJobsStartOnANewPageWithoutBlankPages)
{
    FakePrinter printer;
    OneJobPrinter job(printer, QStringLiteral("Booklet"));
    EXPECT_TRUE(job.startJob(QStringLiteral("a")));
    job.newPage(); // nothing drawn yet: no page
    EXPECT_EQ(printer.newPages, 0);
    job.printLine(QStringLiteral("x"));
    EXPECT_TRUE(job.endJob());
    EXPECT_TRUE(job.startJob(QStringLiteral("b")));
    EXPECT_EQ(printer.newPages, 0); // the break waits for the next page's content
    job.printLine(QStringLiteral("y"));
    EXPECT_EQ(printer.newPages, 1);
    job.newPage();
    EXPECT_EQ(printer.jobsEnded, 0);
    EXPECT_TRUE(job.finish());
    EXPECT_EQ(printer.jobsStarted, 1);
    EXPECT_EQ(printer.jobsEnded, 1);
    EXPECT_EQ(printer.jobName, QStringLiteral("Booklet"));
}

TEST_F(Booklet, PhotoPrintUsesEmb99WhenNoPhotoIsShown)
{
    messages.answer({MessageAnswer::Ok});
    EXPECT_TRUE(controller.printCurrentPhoto());
    ASSERT_EQ(printer.lines.size(), 12u);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(printer.lines[size_t(i)], QStringLiteral(" "));
    EXPECT_EQ(printer.lines[8], QStringLiteral("            The Zephane Folarium 2000"));
    EXPECT_EQ(printer.lines[10], QStringLiteral("            panYear"));
    ASSERT_EQ(printer.pictures.size(), 1u);
    EXPECT_EQ(printer.pictures[0].top, 3000);
    EXPECT_EQ(printer.pictures[0].left, 0);
    EXPECT_EQ(printer.pictures[0].size, QSize(40, 30)); // the photo keeps its size

    printer = FakePrinter();
    EXPECT_FALSE(controller.printCurrentPhoto()); // Cancel
    EXPECT_EQ(printer.jobsStarted, 0);
}
