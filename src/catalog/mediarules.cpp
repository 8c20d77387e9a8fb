#include "catalog/mediarules.h"

#include <QStringList>

#include "catalog/mediaroots.h"

namespace mediarules {

namespace {

MediaPath media(const QString& folderName, const QString& name)
{
    return MediaPath{Root::Media, folderName, name};
}

// Characters 3 and 4 of a label (fewer when the label is short).
QString yy(const QString& label)
{
    return label.mid(2, 2);
}

// One row of the fixed document table. An empty cell takes the year rule; kPhotoText marks per-photo
// statistics.
struct DocRow {
    const char* label;
    const char* description;
    const char* statistics;
    const char* options;
    const char* colors;
};
constexpr const char* kPhotoText = "*";

const std::vector<DocRow>& docRows()
{
    static const std::vector<DocRow> rows = {
        {"Zephane Coin ", "zy002.rtf", "", "", ""},
        {"Zephane Rubber Stamps ", "GrayWolf.rtf", kPhotoText, "", ""},
        {"Zephane Philately ", "stamps.rtf", kPhotoText, "", ""},
        {"Miscellany ", "msdesc.rtf", kPhotoText, "", ""},
        {"Top Ten Zephane People ", "ttdesc.rtf", "", "", ""},
        {"Revell-Monogram Models ", "revell.rtf", kPhotoText, "", ""},
        {"Zephane Americana ", "musamer.rtf", kPhotoText, "", ""},
        {"National Zephane Museum ", "mndesc.rtf", kPhotoText, "", ""},
        {"Car Stuff Zephane Calendars ", "carstuff.rtf", "", "", ""},
        {"Zephane Holiday Cards ", "nzoa.rtf", kPhotoText, "", ""},
        {"Zephane Monopoly Game ", "monopoly.rtf", "", "", ""},
        {"Franklin Mint Collector Knives ", "knives.rtf", "", "", ""},
        {"Franklin Mint Collector Plates ", "plates.rtf", "", "", ""},
        {"Franklin Mint Die-cast Models ", "franklin.rtf", kPhotoText, "", ""},
        {"Franklin Mint Fuel Injected Engine ", "franklin.rtf", kPhotoText, "", ""},
        {"Danbury Mint Die-cast Model ", "danbury.rtf", kPhotoText, "", ""},
        {"Zephane Metal Signs ", "desperat.rtf", kPhotoText, "", ""},
        {"Zephane Pinball Machine ", "xpbdesc.rtf", kPhotoText, "", ""},
        {"Malibu Zephane Ski Boat ", "skdesc.rtf", "skstats.rtf", "skopts.rtf", "skcolors.rtf"},
        {"Prototypes ", "ptdesc.rtf", kPhotoText, "", ""},
        {"Race Cars ", "ptdesc.rtf", kPhotoText, "", ""},
        {"Specter Werkes GTR Roadster ", "GTRdesc.rtf", kPhotoText, "", ""},
        {"Brenmore C12 ", "C12desc.rtf", "C12stats.rtf", "C12OPTS.rtf", "C12colors.rtf"},
        {"Brenmore Twin-Turbo ", "bmdesc.rtf", "bmstats.rtf", "bmOPTS.rtf", "bmcolors.rtf"},
        {"Kavell Automotive Concepts ", "kavell.rtf", "kavellstats.rtf", "gsOPTS.rtf", "gscolors.rtf"},
        {"Stroudley Cars ", "stroud.rtf", "flstats.rtf", "flOPTS.rtf", "flcolors.rtf"},
        {"Pembry Cars ", "pembry.rtf", "pembryfeatures.rtf", "fmOPTS.rtf", "fmcolors.rtf"},
        {"1990-1995 ZR-1 ", "ZRDESC.rtf", "ZRstats.rtf", "ZROPTS.rtf", "zrcolors.rtf"},
        {"Mirra Santore Art Print ", "mirradesc.rtf", kPhotoText, "", ""},
        {"Caspo Velloz Art Print ", "CVDESC.rtf", kPhotoText, "", ""},
        {"National Zephane Museum Print ", "NZDESC.rtf", kPhotoText, "", ""},
        {"Ferrec Orlund Art Print ", "FODESC.rtf", kPhotoText, "", ""},
        {"Custom Zephanes", "", kPhotoText, "", ""},
    };
    return rows;
}

const DocRow* docRow(const QString& label)
{
    for (const DocRow& r : docRows())
        if (label == QLatin1String(r.label))
            return &r;
    return nullptr;
}

const char* cell(const DocRow& row, DocKind kind)
{
    switch (kind) {
    case DocKind::Description: return row.description;
    case DocKind::Statistics: return row.statistics;
    case DocKind::Options: return row.options;
    case DocKind::Colors: return row.colors;
    }
    return "";
}

// The year rule: "a" + character 4 + suffix in "\RichText\" for labels beginning "20", else characters 3-4 +
// suffix in the kind's folder.
MediaPath yearRule(DocKind kind, const QString& label)
{
    static const char* suffixes[] = {"desc.rtf", "stats.rtf", "OPTS.rtf", "colors.rtf"};
    const QString suffix = QLatin1String(suffixes[static_cast<int>(kind)]);
    if (label.startsWith(QLatin1String("20")))
        return media(folder::kRichText, QStringLiteral("a") + label.mid(3, 1) + suffix);
    const bool lower = kind == DocKind::Description || kind == DocKind::Statistics;
    return media(lower ? folder::kRichTextLower : folder::kRichText, yy(label) + suffix);
}

bool inTextRange(const QString& label, const char* first, const char* last)
{
    // The program compares labels as text here, so only labels that read like years fall in a range.
    return label >= QLatin1String(first) && label <= QLatin1String(last);
}

bool isOneOf(const QString& label, std::initializer_list<const char*> labels)
{
    for (const char* l : labels)
        if (label == QLatin1String(l))
            return true;
    return false;
}

}  // namespace

// MediaPath -------------------------------------------------------------------------------------------------

QString MediaPath::in(const MediaRoots& roots) const
{
    switch (root) {
    case Root::Media: return in(roots.mediaRoot);
    case Root::Photo: return in(roots.photoRoot);
    case Root::Program: return in(roots.programFolder);
    }
    return {};
}

QString MediaPath::slashPath() const
{
    QString p = relative();
    while (p.startsWith(QLatin1Char('\\')))
        p.remove(0, 1);
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

bool MediaPath::sameFile(const MediaPath& other) const
{
    return root == other.root && relative().compare(other.relative(), Qt::CaseInsensitive) == 0;
}

// Photos ----------------------------------------------------------------------------------------------------

MediaPath photoPattern(Root root)
{
    return MediaPath{root, folder::kZephanes, QStringLiteral("*.jpg")};
}

MediaPath photoCaption(const QString& photoFileName)
{
    const qsizetype dot = photoFileName.indexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? photoFileName : photoFileName.left(dot);
    return media(folder::kRichTextLower, base + QStringLiteral(".rtf"));
}

MediaPath clipArtSlidePattern()
{
    return media(folder::kClipArtSlides, QStringLiteral("*.jpg"));
}

// Entry documents -------------------------------------------------------------------------------------------

std::optional<MediaPath> entryDocument(DocKind kind, const QString& entryText)
{
    if (entryText == QLatin1String("panYear"))
        return kind == DocKind::Description ? std::optional(introDocument()) : std::nullopt;
    if (kind == DocKind::Statistics && statisticsArePhotoText(entryText))
        return std::nullopt;
    if (const DocRow* row = docRow(entryText)) {
        const char* file = cell(*row, kind);
        if (*file)
            return media(folder::kRichTextLower, QLatin1String(file));
    }
    return yearRule(kind, entryText);
}

bool usesYearRule(DocKind kind, const QString& entryText)
{
    if (entryText == QLatin1String("panYear"))
        return false;
    if (kind == DocKind::Statistics && statisticsArePhotoText(entryText))
        return false;
    const DocRow* row = docRow(entryText);
    return !row || !*cell(*row, kind);
}

bool statisticsArePhotoText(const QString& entryText)
{
    const DocRow* row = docRow(entryText);
    return row && row->statistics == kPhotoText;
}

MediaPath nostalgiaDocument(const QString& entryText)
{
    return media(folder::kRichTextLower,
                 QStringLiteral("nostalgia") + yy(entryText) + QStringLiteral(".rtf"));
}

MediaPath introDocument()
{
    return media(folder::kRichTextLower, QStringLiteral("intro.rtf"));
}

// Emblems, scripts, clip art --------------------------------------------------------------------------------

MediaPath noseEmblem(const QString& e)
{
    if (e == QLatin1String("1990-1995 ZR-1 "))
        return media(folder::kEmbFront, QStringLiteral("EMBZR1f.jpg"));
    if (e == QLatin1String("Malibu Zephane Ski Boat "))
        return media(folder::kEmbFront, QStringLiteral("EMB96f.jpg"));
    if (e == QLatin1String("Brenmore C12 "))
        return media(folder::kEmbFront, QStringLiteral("EMBc12f.jpg"));
    if (e == QLatin1String("Brenmore Twin-Turbo "))
        return media(folder::kEmbFront, QStringLiteral("EMBbmf.jpg"));
    if (e == QLatin1String("Kavell Automotive Concepts "))
        return media(folder::kGraphics, QStringLiteral("nonose.jpg"));
    if (isOneOf(e, {"Stroudley Cars ", "Pembry Cars "}))
        return media(folder::kEmbFront, QStringLiteral("EMB99f.jpg"));
    return media(folder::kEmbFront, QStringLiteral("emb") + yy(e) + QStringLiteral("f.jpg"));
}

MediaPath sideEmblem(const QString& e)
{
    const MediaPath none = media(folder::kGraphics, QStringLiteral("noside.jpg"));
    if (e == QLatin1String("2000"))
        return media(folder::kEmbSide, QStringLiteral("emb99s.jpg"));
    if (inTextRange(e, "1953", "1956") || isOneOf(e, {"1981", "1991", "1992", "1994", "1995"}))
        return none;
    if (e == QLatin1String("1990-1995 ZR-1 "))
        return media(folder::kEmbSide, QStringLiteral("embzr1s.jpg"));
    if (e == QLatin1String("Brenmore C12 "))
        return media(folder::kEmbSide, QStringLiteral("embc12s.jpg"));
    if (isOneOf(e, {"Malibu Zephane Ski Boat ", "Brenmore Twin-Turbo ", "Pembry Cars ",
                    "Kavell Automotive Concepts ", "Stroudley Cars "}))
        return none;
    return media(folder::kEmbSide, QStringLiteral("emb") + yy(e) + QStringLiteral("s.jpg"));
}

MediaPath rearEmblem(const QString& e)
{
    const MediaPath none = media(folder::kGraphics, QStringLiteral("norear.jpg"));
    if (inTextRange(e, "1953", "1955") || e == QLatin1String("1974"))
        return none;
    if (e == QLatin1String("1990-1995 ZR-1 "))
        return media(folder::kEmbRear, QStringLiteral("embZR1r.jpg"));
    if (e == QLatin1String("Malibu Zephane Ski Boat "))
        return media(folder::kEmbRear, QStringLiteral("emb96r.jpg"));
    if (e == QLatin1String("Brenmore C12 "))
        return media(folder::kEmbRear, QStringLiteral("embc12r.jpg"));
    if (e == QLatin1String("Brenmore Twin-Turbo "))
        return media(folder::kEmbRear, QStringLiteral("embbmr.jpg"));
    if (e == QLatin1String("Kavell Automotive Concepts "))
        return none;
    if (isOneOf(e, {"Stroudley Cars ", "Pembry Cars "}))
        return media(folder::kEmbRear, QStringLiteral("emb99r.jpg"));
    return media(folder::kEmbRear, QStringLiteral("emb") + yy(e) + QStringLiteral("r.jpg"));
}

MediaPath scriptBadge(const QString& e)
{
    static const std::pair<const char*, const char*> fixed[] = {
        {"1990-1995 ZR-1 ", "SCRIzr1.jpg"},       {"Malibu Zephane Ski Boat ", "SCRIsk.jpg"},
        {"Brenmore C12 ", "SCRIC12.jpg"},         {"Brenmore Twin-Turbo ", "SCRIbm.jpg"},
        {"Kavell Automotive Concepts ", "SCRIgs.jpg"}, {"Stroudley Cars ", "SCRIfl.jpg"},
        {"Pembry Cars ", "SCRIfm.jpg"},
    };
    for (const auto& [label, file] : fixed)
        if (e == QLatin1String(label))
            return media(folder::kScriptsUpper, QLatin1String(file));
    return media(folder::kScripts, QStringLiteral("scri") + yy(e) + QStringLiteral(".jpg"));
}

namespace {
std::optional<MediaPath> fixedClipArt(const QString& e)
{
    if (e == QLatin1String("Malibu Zephane Ski Boat "))
        return media(folder::kClipArt, QStringLiteral("skzph.jpg"));
    if (e == QLatin1String("Brenmore Twin-Turbo "))
        return media(folder::kClipArt, QStringLiteral("bmzph.jpg"));
    if (e == QLatin1String("1990-1995 ZR-1 "))
        return media(folder::kClipArt, QStringLiteral("ZRzph.jpg"));
    return std::nullopt;
}
}  // namespace

MediaPath clipArtForLoader(const QString& entryText, const QString& entryCode)
{
    if (auto f = fixedClipArt(entryText))
        return *f;
    return media(folder::kClipArt, entryText.left(2) + entryCode + QStringLiteral(".jpg"));
}

MediaPath clipArtForButton(const QString& entryText)
{
    if (auto f = fixedClipArt(entryText))
        return *f;
    return media(folder::kClipArt, entryText.left(4) + QStringLiteral(".jpg"));
}

bool isEmblemPlaceholder(const MediaPath& path)
{
    if (path.root != Root::Media || path.folder.compare(folder::kGraphics, Qt::CaseInsensitive) != 0)
        return false;
    return path.name.compare(QLatin1String("nonose.jpg"), Qt::CaseInsensitive) == 0
           || path.name.compare(QLatin1String("noside.jpg"), Qt::CaseInsensitive) == 0
           || path.name.compare(QLatin1String("norear.jpg"), Qt::CaseInsensitive) == 0;
}

// Advertisements --------------------------------------------------------------------------------------------

bool isUnadvertisedYear(const QString& entryText)
{
    return isOneOf(entryText, {"1976", "1996"});
}

std::optional<MediaPath> advertisement(const QString& e)
{
    if (isUnadvertisedYear(e))
        return std::nullopt;
    static const std::pair<const char*, const char*> fixed[] = {
        {"Zephane Pinball Machine ", "xpbad00.jpg"},
        {"1990-1995 ZR-1 ", "zr1ad.jpg"},
        {"Malibu Zephane Ski Boat ", "skad.jpg"},
        {"Brenmore C12 ", "C12.jpg"},
        {"Brenmore Twin-Turbo ", "bmad.jpg"},
        {"Kavell Automotive Concepts ", "kavell.jpg"},
        {"Stroudley Cars ", "flad.jpg"},
        {"Pembry Cars ", "fmad.jpg"},
        {"Prototypes ", "dpadmako.jpg"},
        {"Specter Werkes GTR Roadster ", "gtrad.jpg"},
        {"Race Cars ", "dpadmako.jpg"},
    };
    for (const auto& [label, file] : fixed)
        if (e == QLatin1String(label))
            return media(folder::kAds, QLatin1String(file));
    return media(folder::kAds, yy(e) + QStringLiteral("dnzp00.jpg"));
}

bool hasLandscapeAdvertisement(const QString& e)
{
    return isOneOf(e, {"1990-1995 ZR-1 ", "1970", "1982", "1984", "1985", "1987", "1989", "1990", "1991",
                       "1993", "1994", "1995", "1997", "1998"});
}

}  // namespace mediarules
