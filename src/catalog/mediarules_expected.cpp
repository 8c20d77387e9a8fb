// The enumeration of every file the program opens by a fixed rule.
#include "catalog/mediarules.h"

#include <QHash>

#include "catalog/catalogue.h"

namespace mediarules {

QString kindName(Kind kind)
{
    switch (kind) {
    case Kind::Description: return QStringLiteral("description");
    case Kind::Statistics: return QStringLiteral("statistics");
    case Kind::Options: return QStringLiteral("options");
    case Kind::Colors: return QStringLiteral("colors");
    case Kind::Nostalgia: return QStringLiteral("nostalgia");
    case Kind::PhotoCaption: return QStringLiteral("photo-caption");
    case Kind::BookletDetails: return QStringLiteral("booklet-details");
    case Kind::LibraryText: return QStringLiteral("library-text");
    case Kind::SeriesText: return QStringLiteral("series-text");
    case Kind::SaverHelp: return QStringLiteral("saver-help");
    case Kind::NoseEmblem: return QStringLiteral("nose-emblem");
    case Kind::SideEmblem: return QStringLiteral("side-emblem");
    case Kind::RearEmblem: return QStringLiteral("rear-emblem");
    case Kind::EmblemPlaceholder: return QStringLiteral("emblem-placeholder");
    case Kind::ScriptBadge: return QStringLiteral("script-badge");
    case Kind::ClipArt: return QStringLiteral("clip-art");
    case Kind::Advertisement: return QStringLiteral("advertisement");
    case Kind::SeriesPicture: return QStringLiteral("series-picture");
    case Kind::SlideTitle: return QStringLiteral("slide-title");
    case Kind::CoverPicture: return QStringLiteral("cover-picture");
    case Kind::PrintFallback: return QStringLiteral("print-fallback");
    case Kind::DefaultPicture: return QStringLiteral("default-picture");
    case Kind::Sound: return QStringLiteral("sound");
    case Kind::StartupSound: return QStringLiteral("startup-sound");
    case Kind::Movie: return QStringLiteral("movie");
    case Kind::VideoInstaller: return QStringLiteral("video-installer");
    case Kind::SaverProgram: return QStringLiteral("saver-program");
    case Kind::HelpFile: return QStringLiteral("help-file");
    }
    return {};
}

namespace {

class Collector {
public:
    void add(const MediaPath& path, Kind kind, const QString& owner, bool optional = false)
    {
        const QString key = QString::number(static_cast<int>(path.root)) + path.relative().toCaseFolded();
        if (auto it = m_index.constFind(key); it != m_index.constEnd()) {
            m_files[*it].optional = m_files[*it].optional && optional;
            return;
        }
        if (isEmblemPlaceholder(path))
            kind = Kind::EmblemPlaceholder;
        m_index.insert(key, static_cast<int>(m_files.size()));
        m_files.push_back({path, kind, owner, optional});
    }
    void add(const std::optional<MediaPath>& path, Kind kind, const QString& owner)
    {
        if (path)
            add(*path, kind, owner);
    }
    std::vector<ExpectedFile> take() { return std::move(m_files); }

private:
    std::vector<ExpectedFile> m_files;
    QHash<QString, int> m_index;
};

void addEmblemSlide(Collector& c, int number)
{
    const EmblemSlide s = emblemSlide(number);
    const QString owner = s.label;
    c.add(s.rear, Kind::RearEmblem, owner);
    c.add(s.side, Kind::SideEmblem, owner);
    c.add(s.nose, Kind::NoseEmblem, owner);
    c.add(s.script, Kind::ScriptBadge, owner);
}

const DocKind kDocKinds[] = {DocKind::Description, DocKind::Statistics, DocKind::Options, DocKind::Colors};
const Kind kDocFileKinds[] = {Kind::Description, Kind::Statistics, Kind::Options, Kind::Colors};

void addModelYear(Collector& c, int buttonIndex)
{
    const QString year = catalogue::yearForIndex(buttonIndex);
    for (int k = 0; k < 4; ++k)
        c.add(entryDocument(kDocKinds[k], year), kDocFileKinds[k], year);
    c.add(nostalgiaDocument(year), Kind::Nostalgia, year, year != kNostalgiaPreviewYear);
    c.add(noseEmblem(year), Kind::NoseEmblem, year);
    c.add(sideEmblem(year), Kind::SideEmblem, year);
    c.add(rearEmblem(year), Kind::RearEmblem, year);
    c.add(scriptBadge(year), Kind::ScriptBadge, year);
    c.add(clipArtForButton(year), Kind::ClipArt, year);
    c.add(advertisement(year), Kind::Advertisement, year);
    addEmblemSlide(c, year.toInt() - 1900);
    const int number = year.toInt() - 1900;
    c.add(bookletDescription(number), Kind::Description, year);
    c.add(bookletDetails(number), Kind::BookletDetails, year);
}

// A collection's files come from its rows in the tables. Where a button is offered but no row names a file,
// the general rule forms a name from two letters of the collection's text that no content carries: the
// program may ask for it and then reports the button's error, so it is listed as a file whose absence is
// normal.
void addCollection(Collector& c, const QString& text)
{
    using catalogue::ContentButton;
    const catalogue::Availability on = catalogue::baseAvailability(text);
    const ContentButton docButtons[] = {catalogue::Desc, catalogue::Stats, catalogue::Options,
                                        catalogue::Colors};
    for (int k = 0; k < 4; ++k) {
        const bool accidental = usesYearRule(kDocKinds[k], text);
        if (!accidental || on.enabled[docButtons[k]])
            if (const auto doc = entryDocument(kDocKinds[k], text))
                c.add(*doc, kDocFileKinds[k], text, accidental);
    }
    if (on.enabled[catalogue::Nostalgia])
        c.add(nostalgiaDocument(text), Kind::Nostalgia, text, true);

    const QString yy = text.mid(2, 2);
    auto picture = [&](ContentButton button, const MediaPath& p, const QString& generic, Kind kind) {
        const bool accidental = p.name == generic;
        if (!accidental || on.enabled[button])
            c.add(p, kind, text, accidental);
    };
    if (catalogue::keepsPicturePanels(text)) {
        picture(catalogue::Nose, noseEmblem(text), "emb" + yy + "f.jpg", Kind::NoseEmblem);
        picture(catalogue::Side, sideEmblem(text), "emb" + yy + "s.jpg", Kind::SideEmblem);
        picture(catalogue::Rear, rearEmblem(text), "emb" + yy + "r.jpg", Kind::RearEmblem);
        picture(catalogue::Script, scriptBadge(text), "scri" + yy + ".jpg", Kind::ScriptBadge);
        picture(catalogue::ClipArt, clipArtForButton(text), text.left(4) + ".jpg", Kind::ClipArt);
    }
    if (const auto ad = advertisement(text))
        picture(catalogue::Ad, *ad, yy + "dnzp00.jpg", Kind::Advertisement);
}

std::vector<ExpectedFile> build()
{
    Collector c;
    for (int i = 1; i <= catalogue::kYearButtonCount; ++i)
        addModelYear(c, i);
    for (const catalogue::Collection& col : catalogue::collections())
        addCollection(c, col.text);
    for (int e = 101; e <= kLastEmblemSlide; ++e)
        addEmblemSlide(c, e);
    c.add(bookletDescription(101), Kind::Description, QStringLiteral("ZR-1"));
    c.add(bookletDetails(101), Kind::BookletDetails, QStringLiteral("ZR-1"));

    c.add(introDocument(), Kind::Description, catalogue::kNoEntry);
    for (const LibraryDocument& d : libraryDocuments())
        c.add(d.path, Kind::LibraryText, d.menuCaption);
    c.add(seriesText(), Kind::SeriesText, QStringLiteral("R. Ferrec Ostrand"));
    c.add(screenSaverHelp(), Kind::SaverHelp, QStringLiteral("Install Screen Saver"));

    for (int i = 1; i <= kSeriesCount; ++i)
        c.add(seriesPicture(i), Kind::SeriesPicture, QStringLiteral("title %1").arg(i));
    c.add(slideModeTitle(SlideMode::Photos), Kind::SlideTitle, QStringLiteral("Photos"));
    c.add(slideModeTitle(SlideMode::ClipArt), Kind::SlideTitle, QStringLiteral("ClipArt"));
    c.add(slideModeTitle(SlideMode::Emblems), Kind::SlideTitle, QStringLiteral("Insignias"));
    c.add(firstClipArtSlide(), Kind::ClipArt, QStringLiteral("1953"));
    for (const CoverPicture& p : bookletCover())
        c.add(p.path, Kind::CoverPicture, QStringLiteral("booklet cover"));
    c.add(photoPrintFallback(), Kind::PrintFallback, QStringLiteral("Print Photo"));

    for (const SoundEffect& s : soundEffects())
        c.add(s.path, Kind::Sound, s.label);
    c.add(startupSound(), Kind::StartupSound, QStringLiteral("start-up"));
    for (const Movie& m : movies())
        c.add(movieFile(m), Kind::Movie, m.optionCaption);
    c.add(videoInstaller(), Kind::VideoInstaller, QStringLiteral("Install Intel Video Software"));
    c.add(screenSaverProgram(), Kind::SaverProgram, QStringLiteral("Install Screen saver"));
    c.add(defaultSaverPicture(), Kind::DefaultPicture, QStringLiteral("screen-saver list"));
    // The help file is opened by a viewer of the platform, which a Linux desktop rarely has.
    c.add(helpFile(), Kind::HelpFile, QStringLiteral("Contents"), true);
    return c.take();
}

}  // namespace

const std::vector<ExpectedFile>& expectedFiles()
{
    static const std::vector<ExpectedFile> files = build();
    return files;
}

}  // namespace mediarules
