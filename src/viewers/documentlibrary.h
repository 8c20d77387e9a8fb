#pragma once

#include "viewers/documentopener.h"

struct MediaRoots;
namespace mediarules {
struct LibraryDocument;
}

// The library of general documents: every library menu item is one row of mediarules::libraryDocuments(),
// opened by the one OpenLibraryDocument procedure.
class DocumentLibrary {
public:
    DocumentLibrary(DocumentOpener& opener, const MediaRoots& roots);

    // The viewer request of a row: its caption kind, the computed close width, its code, shown modally.
    static DocumentRequest request(const mediarules::LibraryDocument& row, const QString& mediaRoot);

    // OpenLibraryDocument: true when the document was shown. A row outside the table does nothing.
    bool open(int row);

private:
    DocumentOpener& m_opener;
    const MediaRoots& m_roots;
};
