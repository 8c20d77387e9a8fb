#pragma once

#include <vector>

#include <QString>

#include "catalog/mediarules.h"
#include "viewers/documentopener.h"

// The documents the search covers: every rich-text document the program opens in its document viewer, taken
// from the media rules (the entries' documents, the nostalgia articles, the introduction, the library and the
// illustrated series' text), each once, with what is needed to show it as its own button or menu item does.
struct SearchDocument {
    mediarules::MediaPath path;
    QString entry;   // the year or collection as the main window names it ("1963", "Race Cars"), or "Library"
    QString caption; // the viewer's whole caption, title prefix included
    DocumentRequest::Caption captionKind = DocumentRequest::Caption::ViaDocumentCaption;
    DocumentRequest::CloseWidth closeWidth = DocumentRequest::CloseWidth::Computed;
    QString errorCode;

    // The caption without the title prefix: "1963 Description".
    QString title() const;
    // The request that opens it, its path under the media root.
    DocumentRequest request(const QString& mediaRoot) const;
};

namespace searchdocuments {

inline const QString kLibraryEntry = QStringLiteral("Library");

// In a fixed order: model years, collections, then the introduction, the library and the series text.
const std::vector<SearchDocument>& all();

// The document with this relative path ("RichText/63desc.rtf", case ignored), or null.
const SearchDocument* byPath(const QString& slashPath);

} // namespace searchdocuments
