#include "demomedia.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include "aviwriter.h"
#include "catalog/catalogue.h"
#include "catalog/mediacheck.h"
#include "documents.h"
#include "pictures.h"
#include "wavsynth.h"

using mediarules::ExpectedFile;
using mediarules::Kind;
using mediarules::MediaPath;
using mediarules::Root;

namespace demomedia {

namespace {

// Writes files under the two roots, matching existing folders without regard to case so that the program's
// different spellings of one folder ("\RichText\", "\richtext\") land in the same place.
class TreeWriter {
public:
    TreeWriter(const Options& o, Result& r) : m_options(o), m_result(r) {}

    void write(const MediaPath& path, const QByteArray& bytes, bool executable = false)
    {
        const QString root = path.root == Root::Program ? m_options.programDir : m_options.mediaDir;
        QString dir = root;
        QStringList parts = path.relative().split(QLatin1Char('\\'), Qt::SkipEmptyParts);
        const QString name = parts.takeLast();
        for (const QString& part : parts) {
            dir = childFolder(dir, part);
            if (dir.isEmpty()) {
                m_result.errors << QStringLiteral("cannot create folder for %1").arg(path.slashPath());
                return;
            }
        }
        const QString file = dir + QLatin1Char('/') + existingName(dir, name);
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
            m_result.errors << QStringLiteral("cannot write %1: %2").arg(file, f.errorString());
            return;
        }
        if (executable)
            f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                             QFileDevice::ExeOther);
        ++m_result.files;
        m_result.bytes += bytes.size();
    }

private:
    // The existing entry of a folder whose name matches without regard to case, else the name as given.
    QString existingName(const QString& dir, const QString& name)
    {
        QHash<QString, QString>& names = m_listings[dir];
        if (names.isEmpty())
            for (const QString& n :
                 QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
                names.insert(n.toCaseFolded(), n);
        const QString found = names.value(name.toCaseFolded());
        if (!found.isEmpty())
            return found;
        names.insert(name.toCaseFolded(), name);
        return name;
    }

    // A new folder takes the tree's one spelling of the names the program writes two ways.
    QString childFolder(const QString& dir, const QString& part)
    {
        static const QHash<QString, QString> spelling = {
            {"clipart", "clipart"}, {"richtext", "RichText"}, {"scripts", "scripts"}, {"sszephs", "sszephs"}};
        const QString child =
            dir + QLatin1Char('/') + existingName(dir, spelling.value(part.toLower(), part));
        if (!QFileInfo(child).isDir() && !QDir().mkpath(child))
            return {};
        return child;
    }

    const Options& m_options;
    Result& m_result;
    QHash<QString, QHash<QString, QString>> m_listings;
};

QString baseName(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

// "63" -> "1963", "00" -> "2000"; other codes to a readable model name.
QString modelText(const QString& code)
{
    if (code.size() == 2 && code[0].isDigit() && code[1].isDigit())
        return code == QLatin1String("00") ? QStringLiteral("2000") : QStringLiteral("19") + code;
    static const QHash<QString, QString> models = {
        {"zr1", "ZR-1"},   {"zr", "ZR-1"},       {"c12", "C12"},           {"bm", "Twin-Turbo"},
        {"sk", "Ski Boat"}, {"gs", "Kavell"},    {"fl", "Stroudley"},      {"fm", "Pembry"},
    };
    return models.value(code.toLower(), code.toUpper());
}

// The model an emblem, script or clip-art file stands for, read from its name.
QString badgeText(const QString& fileName, const QString& prefix, bool suffix)
{
    QString core = baseName(fileName);
    core = core.mid(prefix.size());
    if (suffix)
        core.chop(1);
    if (core.endsWith(QLatin1String("zph"), Qt::CaseInsensitive))
        core.chop(3);
    return modelText(core);
}

QByteArray standIn(const QString& what)
{
    return QStringLiteral("#!/bin/sh\n# Stand-in for %1 in the Zephane Folarium demo media.\n"
                          "echo \"%1: nothing to install in the demo media.\"\nexit 0\n")
        .arg(what)
        .toUtf8();
}

QByteArray movie(const QString& caption, bool draft)
{
    aviwriter::Movie m;
    m.width = draft ? 64 : 320;
    m.height = draft ? 48 : 240;
    m.framesPerSecond = 12;
    const int frames = draft ? 2 : 36;
    for (int i = 0; i < frames; ++i)
        m.jpegFrames << pictures::jpeg(pictures::movieFrame(caption, i, frames, m.width, m.height), 80);
    wavsynth::Recipe r = wavsynth::recipeFor(QStringLiteral("zephane.wav"));
    r.seconds = double(frames) / m.framesPerSecond;
    m.audio = wavsynth::render(r);
    return aviwriter::write(m);
}

QByteArray content(const ExpectedFile& f, const Options& o)
{
    const pictures::Size size{o.draft ? 8 : 1};
    const QString& name = f.path.name;
    switch (f.kind) {
    case Kind::Description:
    case Kind::Statistics:
    case Kind::Options:
    case Kind::Colors:
    case Kind::Nostalgia:
    case Kind::BookletDetails:
    case Kind::LibraryText:
    case Kind::SeriesText:
    case Kind::SaverHelp:
    case Kind::PhotoCaption:
        return documents::forFile(f);
    case Kind::NoseEmblem:
        return pictures::jpeg(pictures::emblem(badgeText(name, "emb", true), "FRONT", name, size));
    case Kind::SideEmblem:
        return pictures::jpeg(pictures::emblem(badgeText(name, "emb", true), "SIDE", name, size));
    case Kind::RearEmblem:
        return pictures::jpeg(pictures::emblem(badgeText(name, "emb", true), "REAR", name, size));
    case Kind::EmblemPlaceholder:
        return pictures::jpeg(pictures::placeholder(baseName(name).mid(2), size));
    case Kind::ScriptBadge:
        return pictures::jpeg(pictures::scriptBadge(badgeText(name, "scri", false), name, size));
    case Kind::ClipArt:
        return pictures::jpeg(pictures::clipArt(badgeText(name, "", false), name, size));
    case Kind::Advertisement:
        return pictures::jpeg(pictures::advertisement(f.owner, mediarules::hasLandscapeAdvertisement(f.owner),
                                                      name, size), 85);
    case Kind::SeriesPicture: {
        const int index = baseName(name).mid(2).toInt();
        return pictures::jpeg(pictures::seriesPicture(index, mediarules::seriesTitle(index), size), 85);
    }
    case Kind::SlideTitle:
        return pictures::jpeg(
            pictures::titlePicture(f.owner == QLatin1String("ClipArt") ? "Clip Art" : f.owner,
                                   "The Zephane Folarium 2000 Slide Show", name, size));
    case Kind::CoverPicture:
        if (name.startsWith(QLatin1String("logo")))
            return pictures::jpeg(pictures::logoPicture("The Zephane Folarium 2000", size));
        if (name.startsWith(QLatin1String("bklet")))
            return pictures::jpeg(pictures::logoPicture("Zephane Booklet", size));
        if (name.startsWith(QLatin1String("95")))
            return pictures::jpeg(pictures::clipArt("1995", name, size));
        return pictures::jpeg(pictures::emblem("Z", "ZEPHANE", name, size));
    case Kind::PrintFallback:
        return pictures::jpeg(pictures::emblem("1999", "FRONT", name, size, 320));
    case Kind::DefaultPicture:
        return pictures::jpeg(pictures::emblem("Z5", "ZEPHANE", name, size, 480));
    case Kind::Sound:
    case Kind::StartupSound:
        return wavsynth::wavFile(wavsynth::render(wavsynth::recipeFor(name), o.draft ? 0.05 : 1.0));
    case Kind::Movie:
        for (const mediarules::Movie& m : mediarules::movies())
            if (m.file == name)
                return movie(m.windowCaption, o.draft);
        return movie(name, o.draft);
    case Kind::VideoInstaller: return standIn(QStringLiteral("the video software installer"));
    case Kind::SaverProgram: return standIn(QStringLiteral("the Zephane Folarium screen saver"));
    case Kind::HelpFile: break;
    }
    return {};
}

}  // namespace

std::vector<Photo> photoPlan()
{
    // A few entries get more photos; the people collection needs ten for its caption placement table.
    static const QHash<QString, int> counts = {
        {"1953", 6}, {"1963", 6}, {"1978", 5}, {"2000", 5}, {"1990-1995 ZR-1 ", 6}, {"Race Cars ", 5},
        {"Top Ten Zephane People ", 10},
    };
    QStringList entries;
    for (int i = 1; i <= catalogue::kYearButtonCount; ++i)
        entries << catalogue::yearForIndex(i);
    for (const catalogue::Collection& c : catalogue::collections())
        entries << c.text;
    std::vector<Photo> plan;
    for (const QString& e : entries) {
        const int n = counts.value(e, 3);
        for (int k = 1; k <= n; ++k)
            plan.push_back({e, k, n, catalogue::entryCode(e) + QChar('A' + k - 1) + QStringLiteral(".JPG")});
    }
    return plan;
}

Result generate(const Options& o)
{
    Result result;
    if (!QDir().mkpath(o.mediaDir) || !QDir().mkpath(o.programDir)) {
        result.errors << QStringLiteral("cannot create the target folders");
        return result;
    }
    TreeWriter out(o, result);
    for (const ExpectedFile& f : mediarules::expectedFiles()) {
        if (f.optional)
            continue;  // gaps the program answers itself: other years' nostalgia, the help file
        if (o.include && !o.include(f))
            continue;
        const QByteArray bytes = content(f, o);
        if (bytes.isEmpty())
            continue;
        out.write(f.path, bytes, f.kind == Kind::VideoInstaller || f.kind == Kind::SaverProgram);
    }
    if (o.photos) {
        const pictures::Size size{o.draft ? 8 : 1};
        QStringList names;
        QHash<QString, const Photo*> byName;
        const std::vector<Photo> plan = photoPlan();
        for (const Photo& p : plan) {
            out.write(MediaPath{Root::Media, mediarules::folder::kZephanes, p.name},
                      pictures::jpeg(pictures::photo(p.entry, p.number, p.count, p.name, size), 85));
            names << p.name;
            byName.insert(p.name, &p);
        }
        for (const ExpectedFile& f : photoCaptionFiles(names)) {
            const Photo* p = byName.value(baseName(f.path.name) + QStringLiteral(".JPG"));
            if (p)
                out.write(f.path, documents::photoCaption(p->entry, p->number, p->name));
        }
    }
    if (result.errors.isEmpty() && !o.include) {
        QFile stamp(o.mediaDir + QLatin1Char('/') + kStampName);
        if (stamp.open(QIODevice::WriteOnly | QIODevice::Truncate))
            stamp.write(
                (kVersion + (o.draft ? QStringLiteral(" draft") : QString()) + QLatin1Char('\n')).toUtf8());
    }
    return result;
}

bool isCurrent(const QString& dir)
{
    QFile stamp(dir + QLatin1Char('/') + kStampName);
    return stamp.open(QIODevice::ReadOnly) && stamp.readAll().trimmed() == kVersion.toUtf8();
}

}  // namespace demomedia
