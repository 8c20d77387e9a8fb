// Fixed item tables: illustrated series, slide show, document library, sounds, movies, screen saver,
// printing.
#include "catalog/errorcodes.h"
#include "catalog/mediarules.h"

namespace mediarules {

namespace {

MediaPath media(const QString& folderName, const QString& name)
{
    return MediaPath{Root::Media, folderName, name};
}

MediaPath program(const QString& folderName, const QString& name)
{
    return MediaPath{Root::Program, folderName, name};
}

} // namespace

// Illustrated series ----------------------------------------------------------------------------------------

MediaPath seriesPicture(int index)
{
    const QString number = QString::number(index);
    return media(folder::kOverSize, (index <= 9 ? QStringLiteral("st00") : QStringLiteral("st0")) + number +
                                        QStringLiteral(".jpg"));
}

QString seriesTitle(int index)
{
    static const char* titles[kSeriesCount] = {
        "#1  1953 Zephane",
        "#2  1954 Zephane",
        "#3  1955 Zephane",
        "#4  1956 Zephane",
        "#5  Fuel Injection",
        "#6  1956 SR-2",
        "#7  1957 Zephane SS",
        "#8  1958 Zephane",
        "#9  1959 Zephane",
        "#10  Q-Zephane",
        "#11  Sitng Ray Racer",
        "#12 1960 Year of the Fake-out!",
        "#13 1960 XP-700 Show Car",
        "#14  Performance A La Carte",
        "#15  1961 Mako Shark",
        "#16 CERV I",
        "#17  Last of the Live Axle Zephanes",
        "#18  1963: First of the Zephane Sting Rays",
        "#19  Grand Sport Roadster  Part I",
        "#20  Grand Sport Roadster  Part II",
        "#21  Dunmarro Stylists Showing Off",
        "#22  Acceptance && Refinement",
        "#23  CERV II",
        "#24  1965: Balance vs. Raw Power",
        "#25  1965: Simply Raw Power",
        "#26  1965 Mako Shark",
    };
    if (index < 1 || index > kSeriesCount)
        return {};
    return QString::fromLatin1(titles[index - 1]);
}

MediaPath seriesText()
{
    return media(folder::kRichText, QStringLiteral("ostrand.rtf"));
}

// Slide show ------------------------------------------------------------------------------------------------

MediaPath slideModeTitle(SlideMode mode)
{
    switch (mode) {
    case SlideMode::Photos:
        return media(folder::kGraphics, QStringLiteral("97emboss.jpg"));
    case SlideMode::ClipArt:
        return media(folder::kGraphics, QStringLiteral("53tile.jpg"));
    case SlideMode::Emblems:
        break;
    }
    return media(folder::kGraphics, QStringLiteral("insignia.jpg"));
}

MediaPath firstClipArtSlide()
{
    return media(folder::kClipArtSlides, QStringLiteral("1953.jpg"));
}

EmblemSlide emblemSlide(int number)
{
    EmblemSlide s;
    if (number > 100) {
        switch (number) {
        case 101:
            s.label = QStringLiteral("1990-1995 ZR-1 ");
            s.rear = media(folder::kEmbRear, QStringLiteral("embzr1r.jpg"));
            s.side = media(folder::kEmbSide, QStringLiteral("embzr1s.jpg"));
            s.nose = media(folder::kEmbFront, QStringLiteral("embzr1f.jpg"));
            s.script = media(folder::kScripts, QStringLiteral("scrizr1.jpg"));
            break;
        case 102:
            s.label = QStringLiteral("Brenmore Twin-Turbo ");
            s.nose = media(folder::kEmbFront, QStringLiteral("embbmf.jpg"));
            s.script = media(folder::kScripts, QStringLiteral("scribm.jpg"));
            break;
        case 103:
            s.label = QStringLiteral("Kavell Automotive Concepts ");
            s.script = media(folder::kScripts, QStringLiteral("scrigs.jpg"));
            break;
        default:
            s.label = QStringLiteral("Malibu Zephane Ski Boat ");
            s.rear = media(folder::kEmbRear, QStringLiteral("emb96r.jpg"));
            s.nose = media(folder::kEmbFront, QStringLiteral("emb96f.jpg"));
            s.script = media(folder::kScripts, QStringLiteral("scrisk.jpg"));
            break;
        }
        return s;
    }
    const QString y = number == 100 ? QStringLiteral("00") : QString::number(number).rightJustified(2, '0');
    const int year = 1900 + number;
    s.label = (number == 100 ? QStringLiteral("2000") : QStringLiteral("19") + y) + QLatin1Char(' ');
    const bool noRear = (year >= 1953 && year <= 1955) || year == 1974;
    const bool noSide = (year >= 1953 && year <= 1956) || year == 1981 || year == 1991 || year == 1992 ||
                        year == 1994 || year == 1995;
    if (!noRear)
        s.rear = media(folder::kEmbRear, QStringLiteral("emb") + y + QStringLiteral("r.jpg"));
    if (!noSide)
        s.side = media(folder::kEmbSide, QStringLiteral("emb") + y + QStringLiteral("s.jpg"));
    s.nose = media(folder::kEmbFront, QStringLiteral("emb") + y + QStringLiteral("f.jpg"));
    s.script = media(folder::kScripts, QStringLiteral("scri") + y + QStringLiteral(".jpg"));
    return s;
}

// Document library ------------------------------------------------------------------------------------------

const std::vector<LibraryDocument>& libraryDocuments()
{
    static const std::vector<LibraryDocument> rows = [] {
        const QString& R = folder::kRichText;
        const QString& r = folder::kRichTextLower;
        const auto D = CaptionKind::BeforeLoad;
        const auto V = CaptionKind::AfterLoad;
        struct Row {
            const char* control;
            int index;
            const char* menu;
            const QString& dir;
            const char* file;
            const char* caption;
            CaptionKind kind;
            const QString& code;
        };
        const Row table[] = {
            {"mnuADs", 0, "Zephane &Advertising Checklist", R, "ZephaneAds.rtf",
             "Zephane Advertising Checklist ", D, errc::kLibraryBooks},
            {"mnuBooks", 0, "Zephane &Books", R, "books.rtf", "Books", D, errc::kLibraryBooks},
            {"mnuCatalogs", 0, "Zephane &Catalogs", r, "catalogs.rtf", "Catalogs", D, errc::kLibraryCatalogs},
            {"mnuEngines", 0, "Zephane &Engines", R, "ENGINES.rtf", "Zephane Engines", D,
             errc::kLibraryEngines},
            {"mnuIntro", 0, "&Introduction", R, "intro.rtf", "Introduction", D, errc::kLibraryIntro},
            {"mnuArticles", 1, "&Hand Signals and Other Greetings", r, "wave.rtf",
             "Hand Signals and Other Greetings", V, errc::kLibraryArticles},
            {"mnuArticles", 2, "&Commemorating the Z4", R, "lt4.rtf", "Commemorating the Z4", V,
             errc::kLibraryArticles},
            {"mnuArticles", 3, "&Long Live the King!", r, "theking.rtf", "Long Live the King", V,
             errc::kLibraryArticles},
            {"mnuArticles", 4, "&Save the Wave", r, "savewave.rtf", "Save the Wave", V,
             errc::kLibraryArticles},
            {"mnuArticles", 5, "&The Ten second Trip", r, "10second.rtf", "The Ten Second Trip", V,
             errc::kLibraryArticles},
            {"mnuArticles", 6, "The &Moment", r, "moment.rtf",
             "Sometimes You Just Get Caught Up In The Moment", V, errc::kLibraryArticles},
            {"mnuTazura1", 0, "&Shark Quarterly Interview with Ledric Tazura", r, "Tazura.rtf",
             "Shark Quarterly Interview with Ledric Tazura", V, errc::kLibraryArticles},
            {"mnuMag", 1, "Zephane &Capers", r, "magcaprs.rtf", "Magazines", D, errc::kLibraryArticles},
            {"mnuMag", 2, "Zephane &Fever", r, "magZF.rtf", "Magazines", D, errc::kLibraryArticles},
            {"mnuMag", 3, "Zephane &Journal", r, "magZJRNL.rtf", "Magazines", D, errc::kLibraryArticles},
            {"mnuMag", 4, "Zephane &Magasinet", r, "magsweden.rtf", "Magazines", D, errc::kLibraryArticles},
            {"mnuMag", 5, "Zephane &Quarterly", r, "magQTRLY.rtf", "Magazines", D, errc::kLibraryArticles},
            {"mnuMag", 6, "Zephane &Restorer", r, "magZRSTR.rtf", "Magazines", D, errc::kLibraryArticles},
            {"mnuMag", 7, "Zephane &Trader", r, "magZTRDR.rtf", "Magazines", D, errc::kLibraryArticles},
            {"mnuMag", 8, "For &Zephs Only", r, "magZONLY.rtf", "Magazines", D, errc::kLibraryArticles},
            {"mnuMag", 9, "&Shark Quarterly", r, "magShark.rtf", "Magazines", D, errc::kLibraryArticles},
            {"mnuMag", 10, "The Yankee &Lady Gazette", r, "magylady.rtf", "Magazines", D,
             errc::kLibraryArticles},
            {"mnuMag", 11, "Z&eph Magazine", r, "magZEPH.rtf", "Magazines", D, errc::kLibraryArticles},
            {"mnuMag", 12, "Zeph V&ues", r, "magVues.rtf", "Magazines", D, errc::kLibraryArticles},
            {"mnuMag", 13, "&Y-Car On-Line", r, "magycar.rtf", "Magazines", D, errc::kLibraryArticles},
            {"mnuGlossary", 0, "Zephane &Glossary", r, "glossary.rtf", "Zephane Glossary", D,
             errc::kLibraryGlossary},
            {"MnuIDZeph", 0, "Zephane &Identification Guide", R, "idzeph.rtf", "Identification Guide", D,
             errc::kLibraryIdGuide},
            {"mnuTimeLine", 0, "Zephane &Timeline", r, "timeline.rtf", "Zephane Timeline", D,
             errc::kLibraryTimeline},
            {"mnuWhatsNew", 0, "&What's New", r, "whatsnew.rtf", "What's New", V, errc::kLibraryWhatsNew},
            {"mnuNotice", 0, "&Notice", r, "notice.rtf", "Notice", V, errc::kLibraryNotice},
            {"mnuCredits", 0, "C&redits", r, "credits.rtf", "Credits", D, errc::kLibraryCredits},
            {"mnuContrib", 0, "Contri&butions", r, "contrib.rtf", "Contributions", D,
             errc::kLibraryContributions},
        };
        std::vector<LibraryDocument> out;
        for (const Row& t : table)
            out.push_back({QLatin1String(t.control), t.index, QString::fromLatin1(t.menu),
                           media(t.dir, QLatin1String(t.file)),
                           kDocumentTitlePrefix + QString::fromLatin1(t.caption), t.kind, t.code});
        return out;
    }();
    return rows;
}

const LibraryDocument* libraryDocument(const QString& control, int index)
{
    for (const LibraryDocument& d : libraryDocuments())
        if (d.control == control && d.index == index)
            return &d;
    return nullptr;
}

// Sounds and movies -----------------------------------------------------------------------------------------

const std::vector<SoundEffect>& soundEffects()
{
    static const std::vector<SoundEffect> rows = [] {
        const std::pair<const char*, const char*> table[] = {
            {"Backfiring", "backfrng.wav"},
            {"Car Door", "car_door.wav"},
            {"Car Horns", "carhorns.wav"},
            {"Traffic", "horns.wav"},
            {"Police Car", "cop-car.wav"},
            {"Taxi Horns", "taxi.wav"},
            {"Sport Car", "sportcar.wav"},
            {"18 Wheeler", "18wheelr.wav"},
            {"Race Car Takeoff", "peel-out.wav"},
            {"At the Track", "Track2.wav"},
            {"Race Car Passby", "nascar.wav"},
            {"Race Car 1", "racecar.wav"},
            {"Race Car 2", "indy-car.wav"},
            {"Motorcycle", "mcycle.wav"},
            {"Batmobile", "batmoble.wav"},
            {"Mustang", "62zeph.wav"},
            {"Camaro", "63zeph.wav"},
            {"Car Starting", "zphstart.wav"},
            {"Passby", "passby.wav"},
            {"Zephane Z5", "zephane.wav"},
            {"ZR-1 Starting", "zr1start.wav"},
            {"Motorcycle 2", "motorcyc2.wav"},
            {"Hot Rod", "hot_rod.wav"},
            {"Red Light", "red_lght.wav"},
            {"Mustang Mach I", "porche.wav"},
            {"Ford Cobra", "stealth.wav"},
            {"Stuck on Ice", "stuck.wav"},
        };
        std::vector<SoundEffect> out;
        int i = 0;
        for (const auto& [label, file] : table)
            out.push_back({i++, QLatin1String(label), media(folder::kWav, QLatin1String(file))});
        return out;
    }();
    return rows;
}

MediaPath startupSound()
{
    return program(folder::kRoot, QStringLiteral("passby.wav"));
}

const std::vector<Movie>& movies()
{
    static const std::vector<Movie> rows = {
        {0, "1953 Introduction", "1953.avi", "Zephane Movies - 1953 Introduction"},
        {1, "1963 Commercial", "63com.avi", "Zephane Movies - 1963 Commercial"},
        {2, "1989 Commercial", "1989.avi", "Zephane Movies - 1989 Zephane"},
        {3, "1990 Commercial", "1990.avi", "Zephane Movies - 1990 Zephane"},
        {4, "1992 Zephane", "1992.avi", "Zephane Movies - 1992 Zephane"},
        {6, "1997 Commercial", "97comr.avi", "Zephane Movies - 1997 Commercial"},
        {7, "Brenmore C12", "c12.avi", "Brenmore C12"},
    };
    return rows;
}

const Movie* movie(int index)
{
    for (const Movie& m : movies())
        if (m.index == index)
            return &m;
    return nullptr;
}

MediaPath movieFile(const Movie& m, Root root)
{
    return MediaPath{root, folder::kMovies, m.file};
}

MediaPath moviePattern(Root root)
{
    return MediaPath{root, folder::kMovies, QStringLiteral("*.avi")};
}

MediaPath videoInstaller()
{
    return media(folder::kIndeoVideo, QStringLiteral("iv5play.exe"));
}

// Screen saver ----------------------------------------------------------------------------------------------

MediaPath screenSaverHelp()
{
    return media(folder::kRichTextLower, QStringLiteral("sshelp.rtf"));
}

MediaPath screenSaverProgram()
{
    return program(folder::kRoot, QStringLiteral("Zephane2000.scr"));
}

MediaPath defaultSaverPicture()
{
    return program(folder::kGraphics, QStringLiteral("Z5EMBLEM.jpg"));
}

MediaPath saverSelection(const QString& photoName)
{
    return program(folder::kSaverSelection, photoName);
}

// Printing --------------------------------------------------------------------------------------------------

const std::array<CoverPicture, 4>& bookletCover()
{
    static const std::array<CoverPicture, 4> pictures = {{
        {media(folder::kGraphics, QStringLiteral("logofol2.jpg")), 1200, 1600},
        {media(folder::kGraphics, QStringLiteral("95white.jpg")), 1000, 4300},
        {media(folder::kGraphics, QStringLiteral("bklettxt.jpg")), 500, 8800},
        {media(folder::kGraphics, QStringLiteral("vornic3.jpg")), 2800, 12000},
    }};
    return pictures;
}

QString bookletPrefix(int yearNumber)
{
    if (yearNumber == 101)
        return QStringLiteral("ZR");
    if (yearNumber == 100)
        return QStringLiteral("A0");
    return QString::number(yearNumber);
}

MediaPath bookletDescription(int yearNumber)
{
    return media(folder::kRichText, bookletPrefix(yearNumber) + QStringLiteral("desc.rtf"));
}

MediaPath bookletDetails(int yearNumber)
{
    return media(folder::kRichText, bookletPrefix(yearNumber) + QStringLiteral(".rtf"));
}

MediaPath photoPrintFallback()
{
    return media(folder::kGraphics, QStringLiteral("emb99.jpg"));
}

MediaPath helpFile()
{
    return program(folder::kRoot, QStringLiteral("Zephane2000.HLP"));
}

} // namespace mediarules
