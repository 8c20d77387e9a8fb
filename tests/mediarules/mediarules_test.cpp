#include <gtest/gtest.h>

#include <QSet>

#include "catalog/catalogue.h"
#include "catalog/errorcodes.h"
#include "catalog/mediaroots.h"
#include "catalog/mediarules.h"

using namespace mediarules;

namespace {

QString rel(const MediaPath& p)
{
    return p.relative();
}

QString rel(const std::optional<MediaPath>& p)
{
    return p ? p->relative() : QStringLiteral("<none>");
}

const ExpectedFile* expected(const QString& slashPath)
{
    for (const ExpectedFile& f : expectedFiles())
        if (f.path.slashPath().compare(slashPath, Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

} // namespace

TEST(MediaPathForm, JoinsRootFolderAndNameTheProgramsWay)
{
    const MediaPath p = *entryDocument(DocKind::Description, "1963");
    EXPECT_EQ(p.in(QStringLiteral("E:")), "E:\\richtext\\63desc.rtf");
    EXPECT_EQ(p.slashPath(), "richtext/63desc.rtf");
    const MediaRoots roots{"E:", "/home/u/zf", "/home/u/zf", QString()};
    EXPECT_EQ(photoPattern().in(roots), "/home/u/zf\\zephanes\\*.jpg");
    EXPECT_EQ(startupSound().in(roots), "/home/u/zf\\passby.wav");
    EXPECT_EQ(startupSound().slashPath(), "passby.wav");
    EXPECT_TRUE(noseEmblem("1990-1995 ZR-1 ").sameFile(*emblemSlide(101).nose));
    EXPECT_FALSE(startupSound().sameFile(soundEffects()[18].path)); // same name, other root
}

TEST(EntryDocuments, YearRuleSpellsFoldersAndNamesPerKind)
{
    EXPECT_EQ(rel(entryDocument(DocKind::Description, "1953")), "\\richtext\\53desc.rtf");
    EXPECT_EQ(rel(entryDocument(DocKind::Description, "2000")), "\\RichText\\a0desc.rtf");
    EXPECT_EQ(rel(entryDocument(DocKind::Statistics, "1963")), "\\richtext\\63stats.rtf");
    EXPECT_EQ(rel(entryDocument(DocKind::Statistics, "2000")), "\\RichText\\a0stats.rtf");
    EXPECT_EQ(rel(entryDocument(DocKind::Options, "1977")), "\\RichText\\77OPTS.rtf");
    EXPECT_EQ(rel(entryDocument(DocKind::Colors, "1984")), "\\RichText\\84colors.rtf");
    EXPECT_TRUE(usesYearRule(DocKind::Colors, "1984"));
}

TEST(EntryDocuments, FixedCollectionRowsAndPhotoText)
{
    EXPECT_EQ(rel(entryDocument(DocKind::Description, "Race Cars ")),
              rel(entryDocument(DocKind::Description, "Prototypes ")));
    EXPECT_EQ(rel(entryDocument(DocKind::Description, "Franklin Mint Fuel Injected Engine ")),
              "\\richtext\\franklin.rtf");
    EXPECT_EQ(rel(entryDocument(DocKind::Statistics, "Pembry Cars ")), "\\richtext\\pembryfeatures.rtf");
    EXPECT_EQ(rel(entryDocument(DocKind::Options, "Kavell Automotive Concepts ")), "\\richtext\\gsOPTS.rtf");
    EXPECT_EQ(rel(entryDocument(DocKind::Colors, "1990-1995 ZR-1 ")), "\\richtext\\zrcolors.rtf");
    // Statistics of a photo collection is the caption of the photo on display.
    EXPECT_TRUE(statisticsArePhotoText("Custom Zephanes"));
    EXPECT_FALSE(statisticsArePhotoText("Custom Zephanes "));
    EXPECT_FALSE(entryDocument(DocKind::Statistics, "Mirra Santore Art Print "));
    EXPECT_EQ(rel(photoCaption("53ABC.JPG")), "\\richtext\\53ABC.rtf");
    // "Custom Zephanes" has no description row; a collection's options take the year rule.
    EXPECT_TRUE(usesYearRule(DocKind::Description, "Custom Zephanes"));
    EXPECT_EQ(rel(entryDocument(DocKind::Options, "Zephane Coin ")), "\\RichText\\phOPTS.rtf");
    // Before any entry only Description opens something: the introduction.
    EXPECT_EQ(rel(entryDocument(DocKind::Description, "panYear")), "\\richtext\\intro.rtf");
    EXPECT_FALSE(entryDocument(DocKind::Options, "panYear"));
    EXPECT_EQ(rel(nostalgiaDocument("1956")), "\\richtext\\nostalgia56.rtf");
}

TEST(Pictures, EmblemTablesWithPlaceholdersAndExceptions)
{
    EXPECT_EQ(rel(rearEmblem("1954")), "\\graphics\\norear.jpg");
    EXPECT_EQ(rel(rearEmblem("1956")), "\\embrear\\emb56r.jpg");
    EXPECT_EQ(rel(rearEmblem("1974")), "\\graphics\\norear.jpg");
    EXPECT_EQ(rel(sideEmblem("1956")), "\\graphics\\noside.jpg");
    EXPECT_EQ(rel(sideEmblem("1957")), "\\embside\\emb57s.jpg");
    EXPECT_EQ(rel(sideEmblem("2000")), "\\embside\\emb99s.jpg");
    EXPECT_EQ(rel(noseEmblem("2000")), "\\embfront\\emb00f.jpg");
    EXPECT_EQ(rel(noseEmblem("Pembry Cars ")), "\\embfront\\EMB99f.jpg");
    EXPECT_EQ(rel(noseEmblem("Kavell Automotive Concepts ")), "\\graphics\\nonose.jpg");
    EXPECT_EQ(rel(rearEmblem("Stroudley Cars ")), "\\embrear\\emb99r.jpg");
    EXPECT_EQ(rel(scriptBadge("Brenmore C12 ")), "\\SCRIPTS\\SCRIC12.jpg");
    EXPECT_EQ(rel(scriptBadge("1963")), "\\scripts\\scri63.jpg");
    EXPECT_TRUE(isEmblemPlaceholder(sideEmblem("1991")));
    EXPECT_FALSE(isEmblemPlaceholder(sideEmblem("1990")));
}

TEST(Pictures, ClipArtByLoaderAndButton)
{
    EXPECT_EQ(rel(clipArtForButton("1963")), "\\ClipArt\\1963.jpg");
    EXPECT_EQ(rel(clipArtForLoader("1963", "63")), "\\ClipArt\\1963.jpg");
    EXPECT_EQ(rel(clipArtForLoader("2000", "00")), "\\ClipArt\\2000.jpg");
    EXPECT_EQ(rel(clipArtForButton("1990-1995 ZR-1 ")), "\\ClipArt\\ZRzph.jpg");
    EXPECT_EQ(rel(clipArtForLoader("Malibu Zephane Ski Boat ", "ES")), "\\ClipArt\\skzph.jpg");
    EXPECT_EQ(rel(firstClipArtSlide()), "\\clipart\\1953.jpg");
}

TEST(Pictures, AdvertisementsAndTheirGaps)
{
    EXPECT_EQ(rel(advertisement("1963")), "\\ads\\63dnzp00.jpg");
    EXPECT_FALSE(advertisement("1976"));
    EXPECT_FALSE(advertisement("1996"));
    EXPECT_TRUE(isUnadvertisedYear("1996"));
    EXPECT_EQ(rel(advertisement("Race Cars ")), rel(advertisement("Prototypes ")));
    EXPECT_EQ(rel(advertisement("Brenmore C12 ")), "\\ads\\C12.jpg");
    EXPECT_TRUE(hasLandscapeAdvertisement("1984"));
    EXPECT_FALSE(hasLandscapeAdvertisement("1963"));
    EXPECT_TRUE(hasLandscapeAdvertisement("1990-1995 ZR-1 "));
}

TEST(SlideShow, EmblemSlidesDifferFromTheMainWindow)
{
    const EmblemSlide y2000 = emblemSlide(100);
    EXPECT_EQ(y2000.label, "2000 ");
    EXPECT_EQ(rel(y2000.side), "\\embside\\emb00s.jpg");
    EXPECT_EQ(rel(y2000.script), "\\scripts\\scri00.jpg");
    const EmblemSlide y1953 = emblemSlide(53);
    EXPECT_EQ(y1953.label, "1953 ");
    EXPECT_FALSE(y1953.rear);
    EXPECT_FALSE(y1953.side);
    EXPECT_EQ(rel(y1953.nose), "\\embfront\\emb53f.jpg");
    EXPECT_FALSE(emblemSlide(74).rear);
    EXPECT_TRUE(emblemSlide(74).side);
    const EmblemSlide kavell = emblemSlide(103);
    EXPECT_EQ(kavell.label, "Kavell Automotive Concepts ");
    EXPECT_FALSE(kavell.nose);
    EXPECT_EQ(rel(kavell.script), "\\scripts\\scrigs.jpg");
    EXPECT_EQ(emblemSlide(250).label, "Malibu Zephane Ski Boat ");
    EXPECT_EQ(rel(emblemSlide(104).rear), "\\embrear\\emb96r.jpg");
    EXPECT_EQ(rel(slideModeTitle(SlideMode::ClipArt)), "\\graphics\\53tile.jpg");
}

TEST(FixedItems, SeriesLibrarySoundsMoviesAndPrinting)
{
    EXPECT_EQ(rel(seriesPicture(9)), "\\OverSize\\st009.jpg");
    EXPECT_EQ(rel(seriesPicture(10)), "\\OverSize\\st010.jpg");
    EXPECT_EQ(rel(seriesPicture(26)), "\\OverSize\\st026.jpg");
    EXPECT_EQ(seriesTitle(22), "#22  Acceptance && Refinement");
    EXPECT_TRUE(seriesTitle(27).isEmpty());

    EXPECT_EQ(libraryDocuments().size(), 32u);
    const LibraryDocument* ads = libraryDocument("mnuADs");
    ASSERT_TRUE(ads);
    EXPECT_EQ(ads->caption, "The Zephane Folarium     Zephane Advertising Checklist ");
    EXPECT_EQ(rel(ads->path), "\\RichText\\ZephaneAds.rtf");
    const LibraryDocument* mag = libraryDocument("mnuMag", 13);
    ASSERT_TRUE(mag);
    EXPECT_EQ(rel(mag->path), "\\richtext\\magycar.rtf");
    EXPECT_EQ(mag->errorCode, errc::kLibraryArticles);
    EXPECT_EQ(libraryDocument("mnuArticles", 6)->captionKind, CaptionKind::AfterLoad);
    EXPECT_FALSE(libraryDocument("mnuArticles", 0));

    ASSERT_EQ(soundEffects().size(), 27u);
    EXPECT_EQ(soundEffects()[15].label, "Mustang");
    EXPECT_EQ(rel(soundEffects()[15].path), "\\wav\\62zeph.wav");
    EXPECT_EQ(rel(soundEffects()[26].path), "\\wav\\stuck.wav");

    ASSERT_TRUE(movie(7));
    EXPECT_EQ(movie(7)->windowCaption, "Brenmore C12");
    EXPECT_FALSE(movie(5));
    EXPECT_EQ(movieFile(*movie(1), Root::Program).in(QStringLiteral("/opt/zf")),
              "/opt/zf\\movies\\63com.avi");
    EXPECT_EQ(rel(videoInstaller()), "\\IndeoVideo\\iv5play.exe");

    EXPECT_EQ(rel(bookletDetails(100)), "\\RichText\\A0.rtf");
    EXPECT_EQ(rel(bookletDescription(101)), "\\RichText\\ZRdesc.rtf");
    EXPECT_EQ(rel(bookletDetails(84)), "\\RichText\\84.rtf");
    EXPECT_EQ(bookletCover()[3].top, 12000);
    EXPECT_EQ(defaultSaverPicture().root, Root::Program);
    EXPECT_EQ(rel(defaultSaverPicture()), "\\graphics\\Z5EMBLEM.jpg");
}

TEST(Enumeration, EveryFileOnceWithOwnersAndNormalAbsences)
{
    const auto& files = expectedFiles();
    QSet<QString> seen;
    for (const ExpectedFile& f : files) {
        const QString key = QString::number(int(f.path.root)) + f.path.relative().toLower();
        EXPECT_FALSE(seen.contains(key)) << qPrintable(f.path.relative());
        seen.insert(key);
        EXPECT_FALSE(f.owner.isEmpty()) << qPrintable(f.path.relative());
    }
    // Only the previewed year's nostalgia is required; the help file is optional.
    ASSERT_TRUE(expected("richtext/nostalgia56.rtf"));
    EXPECT_FALSE(expected("richtext/nostalgia56.rtf")->optional);
    ASSERT_TRUE(expected("richtext/nostalgia63.rtf"));
    EXPECT_TRUE(expected("richtext/nostalgia63.rtf")->optional);
    ASSERT_TRUE(expected("Zephane2000.HLP"));
    EXPECT_TRUE(expected("Zephane2000.HLP")->optional);
    EXPECT_EQ(expected("Zephane2000.HLP")->path.root, Root::Program);

    // Rows picked from the tables, each with its kind.
    EXPECT_EQ(expected("graphics/norear.jpg")->kind, Kind::EmblemPlaceholder);
    EXPECT_EQ(expected("graphics/norear.jpg")->owner, "1953");
    EXPECT_EQ(expected("embside/emb99s.jpg")->kind, Kind::SideEmblem);
    EXPECT_EQ(expected("embside/emb00s.jpg")->owner, "2000 ");
    EXPECT_EQ(expected("ClipArt/ZRzph.jpg")->owner, "1990-1995 ZR-1 ");
    EXPECT_EQ(expected("OverSize/st010.jpg")->kind, Kind::SeriesPicture);
    EXPECT_EQ(expected("RichText/ZR.rtf")->kind, Kind::BookletDetails);
    EXPECT_EQ(expected("passby.wav")->kind, Kind::StartupSound);
    EXPECT_EQ(expected("wav/passby.wav")->kind, Kind::Sound);
    EXPECT_EQ(expected("IndeoVideo/iv5play.exe")->kind, Kind::VideoInstaller);
    EXPECT_TRUE(expected("Zephane2000.scr"));
    EXPECT_TRUE(expected("graphics/Z5EMBLEM.jpg"));
    EXPECT_TRUE(expected("ads/bmad.jpg"));
    // The unadvertised years have no file at all.
    EXPECT_FALSE(expected("ads/76dnzp00.jpg"));
    EXPECT_FALSE(expected("ads/96dnzp00.jpg"));
    // A name the general rule forms from a collection's letters is only asked for where its button is
    // offered, and its absence is normal.
    ASSERT_TRUE(expected("RichText/phOPTS.rtf"));
    EXPECT_TRUE(expected("RichText/phOPTS.rtf")->optional);
    EXPECT_FALSE(expected("richtext/phstats.rtf")); // the coin's Statistics button is never offered

    int required = 0;
    for (const ExpectedFile& f : files)
        required += f.optional ? 0 : 1;
    EXPECT_GT(required, 650);
    // Every model year has its four documents and its clip art.
    for (int i = 1; i <= catalogue::kYearButtonCount; ++i) {
        const QString year = catalogue::yearForIndex(i);
        EXPECT_TRUE(expected("ClipArt/" + year + ".jpg")) << qPrintable(year);
        for (DocKind k : {DocKind::Description, DocKind::Statistics, DocKind::Options, DocKind::Colors})
            EXPECT_TRUE(expected(entryDocument(k, year)->slashPath())) << qPrintable(year);
    }
}
