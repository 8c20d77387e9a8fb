#include "search/searchdocuments.h"

#include <QHash>

#include "catalog/catalogue.h"
#include "catalog/errorcodes.h"
#include "mainwin/entrydocuments.h"
#include "mainwin/illustratedseries.h"

using mediarules::DocKind;

QString SearchDocument::title() const
{
    return caption.startsWith(mediarules::kDocumentTitlePrefix)
               ? caption.mid(mediarules::kDocumentTitlePrefix.size())
               : caption;
}

DocumentRequest SearchDocument::request(const QString& mediaRoot) const
{
    DocumentRequest r;
    r.mediaPath = path.in(mediaRoot);
    r.caption = caption;
    r.captionKind = captionKind;
    r.closeWidth = closeWidth;
    r.errorCode = errorCode;
    return r;
}

namespace searchdocuments {

namespace {

class Collector {
public:
    void add(SearchDocument d)
    {
        const QString key = d.path.slashPath().toLower();
        if (m_byPath.contains(key))
            return; // a file two entries share is found once, under the first
        m_byPath.insert(key, int(m_docs.size()));
        m_docs.push_back(std::move(d));
    }
    std::vector<SearchDocument> m_docs;
    QHash<QString, int> m_byPath;
};

const DocKind kKinds[] = {DocKind::Description, DocKind::Statistics, DocKind::Options, DocKind::Colors};
const catalogue::ContentButton kButtons[] = {catalogue::Desc, catalogue::Stats, catalogue::Options,
                                             catalogue::Colors};
const QString kErrorCodes[] = {errc::kDescription, errc::kStatistics, errc::kOptions, errc::kColors};

void addEntry(Collector& c, const QString& entry)
{
    const catalogue::Availability on = catalogue::baseAvailability(entry);
    const bool year = catalogue::isModelYear(entry);
    for (int k = 0; k < 4; ++k) {
        const DocKind kind = kKinds[k];
        // A collection's name formed by the year rule is no document of it.
        if (!on.enabled[kButtons[k]] || (!year && mediarules::usesYearRule(kind, entry)))
            continue;
        const std::optional<mediarules::MediaPath> path = mediarules::entryDocument(kind, entry);
        if (!path)
            continue;
        SearchDocument d;
        d.path = *path;
        d.entry = entry.trimmed();
        d.caption = EntryDocuments::caption(kind, entry);
        d.captionKind = EntryDocuments::captionViaDocumentCaption(kind, entry)
                            ? DocumentRequest::Caption::ViaDocumentCaption
                            : DocumentRequest::Caption::OnViewer;
        d.closeWidth = kind == DocKind::Options || kind == DocKind::Colors
                           ? DocumentRequest::CloseWidth::Fixed
                           : DocumentRequest::CloseWidth::Computed;
        d.errorCode = kErrorCodes[k];
        c.add(std::move(d));
    }
    if (year && on.enabled[catalogue::Nostalgia]) {
        SearchDocument d;
        d.path = mediarules::nostalgiaDocument(entry);
        d.entry = entry;
        d.caption = mediarules::kDocumentTitlePrefix + QStringLiteral("Nostalgia ") + entry.left(4);
        d.captionKind = DocumentRequest::Caption::OnViewer;
        d.errorCode = errc::kDescription;
        c.add(std::move(d));
    }
}

std::vector<SearchDocument> build()
{
    Collector c;
    for (int i = 1; i <= catalogue::kYearButtonCount; ++i)
        addEntry(c, catalogue::yearForIndex(i));
    for (const catalogue::Collection& col : catalogue::collections())
        addEntry(c, col.text);

    SearchDocument intro;
    intro.path = mediarules::introDocument();
    intro.entry = searchdocuments::kLibraryEntry;
    intro.caption = EntryDocuments::caption(DocKind::Description, catalogue::kNoEntry);
    intro.errorCode = errc::kDescription;
    c.add(std::move(intro));
    QHash<QString, int> sharedCaptions;
    for (const mediarules::LibraryDocument& l : mediarules::libraryDocuments())
        ++sharedCaptions[l.caption];
    for (const mediarules::LibraryDocument& l : mediarules::libraryDocuments()) {
        SearchDocument d;
        d.path = l.path;
        // The thirteen magazines share one caption: each is told apart by its menu item.
        d.entry = sharedCaptions.value(l.caption) > 1
                      ? kLibraryEntry + QStringLiteral(": ") + QString(l.menuCaption).remove(QLatin1Char('&'))
                      : kLibraryEntry;
        d.caption = l.caption;
        d.captionKind = l.captionKind == mediarules::CaptionKind::BeforeLoad
                            ? DocumentRequest::Caption::ViaDocumentCaption
                            : DocumentRequest::Caption::OnViewer;
        d.errorCode = l.errorCode;
        c.add(std::move(d));
    }
    SearchDocument series;
    series.path = mediarules::seriesText();
    series.entry = kLibraryEntry;
    series.caption = IllustratedSeries::kTextCaption;
    series.closeWidth = DocumentRequest::CloseWidth::Fixed;
    series.errorCode = errc::kColors;
    c.add(std::move(series));
    return std::move(c.m_docs);
}

} // namespace

const std::vector<SearchDocument>& all()
{
    static const std::vector<SearchDocument> docs = build();
    return docs;
}

const SearchDocument* byPath(const QString& slashPath)
{
    static const QHash<QString, int> index = [] {
        QHash<QString, int> h;
        for (size_t i = 0; i < all().size(); ++i)
            h.insert(all()[i].path.slashPath().toLower(), int(i));
        return h;
    }();
    const auto it = index.constFind(slashPath.toLower());
    return it == index.cend() ? nullptr : &all()[size_t(*it)];
}

} // namespace searchdocuments
