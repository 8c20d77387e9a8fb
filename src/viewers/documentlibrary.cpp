#include "viewers/documentlibrary.h"

#include "catalog/mediaroots.h"
#include "catalog/mediarules.h"

DocumentLibrary::DocumentLibrary(DocumentOpener& opener, const MediaRoots& roots)
    : m_opener(opener), m_roots(roots)
{
}

DocumentRequest DocumentLibrary::request(const mediarules::LibraryDocument& row, const QString& mediaRoot)
{
    DocumentRequest r;
    r.mediaPath = row.path.in(mediaRoot);
    r.caption = row.caption;
    r.captionKind = row.captionKind == mediarules::CaptionKind::BeforeLoad
                        ? DocumentRequest::Caption::ViaDocumentCaption
                        : DocumentRequest::Caption::OnViewer;
    r.closeWidth = DocumentRequest::CloseWidth::Computed;
    r.errorCode = row.errorCode;
    r.modal = true;
    return r;
}

bool DocumentLibrary::open(int row)
{
    const auto& rows = mediarules::libraryDocuments();
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return false;
    return m_opener.open(request(rows[static_cast<size_t>(row)], m_roots.mediaRoot));
}
