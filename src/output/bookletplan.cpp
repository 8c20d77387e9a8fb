#include "output/bookletplan.h"

#include "catalog/catalogue.h"

using mediarules::MediaPath;

namespace booklet {

int yearNumber(const QString& item)
{
    if (item == QStringLiteral("2000"))
        return 100;
    if (item == QStringLiteral("ZR-1"))
        return 101;
    if (!catalogue::bookletYearList().contains(item))
        return 0;
    return item.mid(2, 2).toInt();
}

std::vector<int> yearWalk(int from, int to)
{
    std::vector<int> years;
    if (from <= 0 || to < from)
        return years;
    for (int y = from; y <= to; ++y) {
        if (y == 83)
            continue;
        years.push_back(y);
    }
    return years;
}

QString entryText(int y)
{
    if (y == 101)
        return QStringLiteral("1990-1995 ZR-1 ");
    if (y == 100)
        return QStringLiteral("2000");
    return QStringLiteral("19") + QString::number(y);
}

const std::array<QString, kBookletSectionCount>& sectionKeys()
{
    static const std::array<QString, kBookletSectionCount> keys = {
        QStringLiteral("cover"),       QStringLiteral("overview"), QStringLiteral("clipart"),
        QStringLiteral("description"), QStringLiteral("details"),  QStringLiteral("engines"),
        QStringLiteral("options"),     QStringLiteral("colors")};
    return keys;
}

} // namespace booklet

namespace {

bool on(const BookletChoice& ticked, BookletSection s)
{
    return ticked[size_t(s)];
}

BookletStep document(BookletSection section, const MediaPath& path, int year = 0)
{
    BookletStep step;
    step.kind = BookletStep::Kind::Document;
    step.section = section;
    step.path = path;
    step.year = year;
    return step;
}

} // namespace

BookletPlan planBooklet(const BookletChoice& ticked, int from, int to)
{
    BookletPlan plan;
    if (on(ticked, BookletSection::Cover)) {
        for (const auto& picture : mediarules::bookletCover()) {
            BookletStep step;
            step.kind = BookletStep::Kind::Picture;
            step.section = BookletSection::Cover;
            step.path = picture.path;
            step.left = picture.left;
            step.top = picture.top;
            plan.steps.push_back(step);
        }
        BookletStep pageBreak;
        pageBreak.kind = BookletStep::Kind::PageBreak;
        plan.steps.push_back(pageBreak);
    }
    if (on(ticked, BookletSection::Overview))
        plan.steps.push_back(document(
            BookletSection::Overview,
            MediaPath{mediarules::Root::Media, mediarules::folder::kRichText, QStringLiteral("intro.rtf")}));

    bool perYear = false;
    for (int i = int(BookletSection::ClipArt); i < kBookletSectionCount; ++i)
        perYear = perYear || ticked[size_t(i)];
    if (!perYear)
        return plan;
    if (from == 0 || to == 0 || to < from) {
        plan.yearsMissing = true;
        return plan;
    }

    for (const int y : booklet::yearWalk(from, to)) {
        const QString entry = booklet::entryText(y);
        if (on(ticked, BookletSection::ClipArt)) {
            BookletStep step;
            step.kind = BookletStep::Kind::Picture;
            step.section = BookletSection::ClipArt;
            step.path = mediarules::clipArtForButton(entry);
            step.left = 1440;
            step.top = 1440;
            step.year = y;
            plan.steps.push_back(step);
            BookletStep pageBreak;
            pageBreak.kind = BookletStep::Kind::PageBreak;
            pageBreak.section = BookletSection::ClipArt;
            plan.steps.push_back(pageBreak);
        }
        if (on(ticked, BookletSection::Description))
            plan.steps.push_back(document(BookletSection::Description, mediarules::bookletDescription(y), y));
        if (on(ticked, BookletSection::Details))
            plan.steps.push_back(document(BookletSection::Details, mediarules::bookletDetails(y), y));
        if (on(ticked, BookletSection::Options))
            if (const auto path = mediarules::entryDocument(mediarules::DocKind::Options, entry))
                plan.steps.push_back(document(BookletSection::Options, *path, y));
        if (on(ticked, BookletSection::Colors))
            if (const auto path = mediarules::entryDocument(mediarules::DocKind::Colors, entry))
                plan.steps.push_back(document(BookletSection::Colors, *path, y));
    }
    if (on(ticked, BookletSection::Engines))
        if (const auto* engines = mediarules::libraryDocument(QStringLiteral("mnuEngines")))
            plan.steps.push_back(document(BookletSection::Engines, engines->path));
    return plan;
}
