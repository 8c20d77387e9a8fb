#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QString>

struct MediaRoots;

// Every file name the program forms by a fixed rule, in one place. Handlers ask these functions for a path
// instead of spelling names themselves; the demo media generator and --check-media enumerate them.
// All functions are pure. Folders are written exactly as the program spells them ("\RichText\" in one rule,
// "\richtext\" in another); media names are matched without regard to case (see MediaFiles).
namespace mediarules {

// Which root a path hangs under.
enum class Root {
    Media,    // MediaRoot: the disc or its copy
    Photo,    // PhotoRoot: where the photo index is read (the media root or the program folder)
    Program,  // the folder the program runs from
};

// One file as the program writes it: root kind, folder with its leading and trailing backslash ("\" for a
// file directly under the root) and file name.
struct MediaPath {
    Root root = Root::Media;
    QString folder;
    QString name;

    // "\RichText\63desc.rtf"
    QString relative() const { return folder + name; }
    // The program's form: root + "\folder\" + name ("E:\RichText\63desc.rtf").
    QString in(const QString& rootPath) const { return rootPath + folder + name; }
    // The same, with the root chosen by kind.
    QString in(const MediaRoots& roots) const;
    // "RichText/63desc.rtf": relative, with "/" separators and no leading separator.
    QString slashPath() const;
    // Same root kind and the same relative path when case is ignored.
    bool sameFile(const MediaPath& other) const;
    bool operator==(const MediaPath& other) const = default;
};

// Folder spellings ----------------------------------------------------------------------------------------
namespace folder {
inline const QString kRoot = QStringLiteral("\\");
inline const QString kZephanes = QStringLiteral("\\zephanes\\");
inline const QString kClipArtSlides = QStringLiteral("\\clipart\\");  // the slide show's spelling
inline const QString kClipArt = QStringLiteral("\\ClipArt\\");        // the main window's spelling
inline const QString kEmbFront = QStringLiteral("\\embfront\\");
inline const QString kEmbRear = QStringLiteral("\\embrear\\");
inline const QString kEmbSide = QStringLiteral("\\embside\\");
inline const QString kScripts = QStringLiteral("\\scripts\\");
inline const QString kScriptsUpper = QStringLiteral("\\SCRIPTS\\");
inline const QString kGraphics = QStringLiteral("\\graphics\\");
inline const QString kRichText = QStringLiteral("\\RichText\\");
inline const QString kRichTextLower = QStringLiteral("\\richtext\\");
inline const QString kAds = QStringLiteral("\\ads\\");
inline const QString kWav = QStringLiteral("\\wav\\");
inline const QString kMovies = QStringLiteral("\\movies\\");
inline const QString kOverSize = QStringLiteral("\\OverSize\\");
inline const QString kIndeoVideo = QStringLiteral("\\IndeoVideo\\");
inline const QString kSaverSelection = QStringLiteral("\\sszephs\\");
}  // namespace folder

// Photos and photo captions -------------------------------------------------------------------------------
// "\zephanes\*.jpg" under the given root (Photo for the index, Media for the copy source, Program for the
// copy).
MediaPath photoPattern(Root root = Root::Photo);
// The caption text of a collection photo: "\richtext\" + the photo's name without its extension + ".rtf"
// (for 53ABC.JPG: 53ABC.rtf). The statistics button spells the folder "\richtext\", the photo stepping
// "\RichText\"; both name one folder.
MediaPath photoCaption(const QString& photoFileName);
// "\clipart\*.jpg": the slide show's clip-art list.
MediaPath clipArtSlidePattern();

// Entry documents -----------------------------------------------------------------------------------------
enum class DocKind { Description, Statistics, Options, Colors };

// The file a document button opens for an entry: the fixed collection file, else the year rule ("53desc.rtf"
// in "\richtext\", "a0desc.rtf" in "\RichText\" for 2000). Before any entry ("panYear") Description is
// "\richtext\intro.rtf" and the other kinds open nothing. Statistics of a photo-text collection is the
// current photo's caption (photoCaption), so nothing is returned for it here.
std::optional<MediaPath> entryDocument(DocKind kind, const QString& entryText);
// True when entryDocument took the year rule (for a label that is no year that name as a rule does not
// exist).
bool usesYearRule(DocKind kind, const QString& entryText);
// The collections whose statistics button shows the caption text of the photo on display.
bool statisticsArePhotoText(const QString& entryText);
// "\richtext\nostalgia" + characters 3-4 + ".rtf"; only one year has its document, the others get "Sorry!".
MediaPath nostalgiaDocument(const QString& entryText);
inline const QString kNostalgiaPreviewYear = QStringLiteral("1956");
MediaPath introDocument();

// Emblems, scripts and clip art of the main window ---------------------------------------------------------
MediaPath noseEmblem(const QString& entryText);
MediaPath sideEmblem(const QString& entryText);   // 2000 takes "\embside\emb99s.jpg"
MediaPath rearEmblem(const QString& entryText);
MediaPath scriptBadge(const QString& entryText);
// LoadClipArt: "\ClipArt\" + the first two characters of the label + the code it is given ("1963.jpg").
MediaPath clipArtForLoader(const QString& entryText, const QString& entryCode);
// cmdClipArt: "\ClipArt\" + the first four characters of the label ("1963.jpg").
MediaPath clipArtForButton(const QString& entryText);
// "\graphics\nonose.jpg", "\graphics\noside.jpg", "\graphics\norear.jpg": stand-ins for a missing emblem.
bool isEmblemPlaceholder(const MediaPath& path);

// Advertisements ------------------------------------------------------------------------------------------
// "1976" and "1996" had no advertisement (a "Sorry!" message instead).
bool isUnadvertisedYear(const QString& entryText);
// "\ads\" + the entry's file ("63dnzp00.jpg"); nothing for the unadvertised years.
std::optional<MediaPath> advertisement(const QString& entryText);
// Entries whose advertisement is a landscape picture (the zoom-out fills the screen width).
bool hasLandscapeAdvertisement(const QString& entryText);

// Illustrated series --------------------------------------------------------------------------------------
constexpr int kSeriesCount = 26;
// "\OverSize\st001.jpg" ... "\OverSize\st026.jpg" for titles 1..26.
MediaPath seriesPicture(int index);
// The title list caption of index 1..26 ("&&" shows as one "&"); empty outside.
QString seriesTitle(int index);
MediaPath seriesText();  // "\RichText\ostrand.rtf"

// Slide show ----------------------------------------------------------------------------------------------
enum class SlideMode { Photos, ClipArt, Emblems };
// The mode's title picture: "\graphics\97emboss.jpg", "\graphics\53tile.jpg", "\graphics\insignia.jpg".
MediaPath slideModeTitle(SlideMode mode);
// The clip art Beginning shows: "\clipart\1953.jpg".
MediaPath firstClipArtSlide();

// One emblem-and-script slide: E 53..100 a model year (83 never used), 101 ZR-1, 102 Brenmore Twin-Turbo,
// 103 Kavell, 104 and above the ski boat. An empty slot stays hidden.
struct EmblemSlide {
    QString label;  // "1953 ", "2000 ", or the collection's entry text
    std::optional<MediaPath> rear, side, nose, script;
};
EmblemSlide emblemSlide(int number);
constexpr int kFirstEmblemSlide = 53;
constexpr int kLastEmblemSlide = 104;

// Document library ----------------------------------------------------------------------------------------
inline const QString kDocumentTitlePrefix = QStringLiteral("The Zephane Folarium     ");  // five blanks

enum class CaptionKind {
    BeforeLoad,  // put into DocumentCaption before the viewer is first touched
    AfterLoad,   // set on the viewer after loading; DocumentCaption is left alone
};

struct LibraryDocument {
    QString control;      // menu control name ("mnuBooks", "mnuArticles", "mnuMag")
    int index;            // index in a menu array, 0 for single items
    QString menuCaption;  // with its access-key ampersand
    MediaPath path;
    QString caption;      // full viewer caption, title prefix included
    CaptionKind captionKind;
    QString errorCode;
};
// The 20 single items and articles plus the 13 magazines, in menu order.
const std::vector<LibraryDocument>& libraryDocuments();
const LibraryDocument* libraryDocument(const QString& control, int index = 0);

// Sounds and movies ---------------------------------------------------------------------------------------
struct SoundEffect {
    int index;      // 0..26
    QString label;
    MediaPath path;  // "\wav\" + file
};
const std::vector<SoundEffect>& soundEffects();
MediaPath startupSound();  // program folder + "\passby.wav"

struct Movie {
    int index;  // optMovie index; 5, 8 and 9 are not offered
    QString optionCaption;
    QString file;
    QString windowCaption;
};
const std::vector<Movie>& movies();
const Movie* movie(int index);
// "\movies\" + file under the media root or the program folder (the hard-disk copy).
MediaPath movieFile(const Movie& movie, Root root = Root::Media);
MediaPath moviePattern(Root root);
MediaPath videoInstaller();  // "\IndeoVideo\iv5play.exe"

// Screen saver --------------------------------------------------------------------------------------------
MediaPath screenSaverHelp();      // "\richtext\sshelp.rtf"
MediaPath screenSaverProgram();   // program folder + "\Zephane2000.scr"
MediaPath defaultSaverPicture();  // program folder + "\graphics\Z5EMBLEM.jpg"
// A photo in the screen saver's selection: program folder + "\sszephs\" + name.
MediaPath saverSelection(const QString& photoName);

// Printing ------------------------------------------------------------------------------------------------
struct CoverPicture {
    MediaPath path;
    int left;  // twips
    int top;
};
const std::array<CoverPicture, 4>& bookletCover();
// Year number of a booklet list item: 53..99, 100 for 2000, 101 for ZR-1.
QString bookletPrefix(int yearNumber);            // "53", "A0", "ZR"
MediaPath bookletDescription(int yearNumber);     // "\RichText\" + prefix + "desc.rtf"
MediaPath bookletDetails(int yearNumber);         // "\RichText\" + prefix + ".rtf"
MediaPath photoPrintFallback();                   // "\graphics\emb99.jpg"

// Help ----------------------------------------------------------------------------------------------------
MediaPath helpFile();  // program folder + "\Zephane2000.HLP"

// Everything the program may open by a fixed rule ---------------------------------------------------------
enum class Kind {
    Description, Statistics, Options, Colors, Nostalgia, PhotoCaption, BookletDetails, LibraryText,
    SeriesText, SaverHelp,
    NoseEmblem, SideEmblem, RearEmblem, EmblemPlaceholder, ScriptBadge, ClipArt, Advertisement,
    SeriesPicture, SlideTitle, CoverPicture, PrintFallback, DefaultPicture,
    Sound, StartupSound, Movie, VideoInstaller, SaverProgram, HelpFile,
};
QString kindName(Kind kind);  // "description", "nose-emblem", ...

struct ExpectedFile {
    MediaPath path;
    Kind kind;
    QString owner;          // the entry text, or the item ("Zephane &Books", "sound 3", "title 9", ...)
    bool optional = false;  // its absence is normal: the program has its own answer (or none is needed)
};

// Each file once (case-insensitively per root), in a fixed order: model years, collections, then the
// program-wide items. Names a label forms only by accident (the year rule applied to a collection) are
// left out. Photo captions depend on the photos present and are added by the checker.
const std::vector<ExpectedFile>& expectedFiles();

}  // namespace mediarules
