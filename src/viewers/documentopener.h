#pragma once

#include <QString>

#include "shared/documentviewer.h"

class ErrorReporter;
class MediaFiles;
struct DocumentState;

// One request to show a document in the viewer.
struct DocumentRequest {
    enum class Caption {
        ViaDocumentCaption, // put into DocumentState::documentCaption before the viewer is touched
        OnViewer,           // set on the viewer after the document is loaded; documentCaption is left alone
    };
    enum class CloseWidth {
        Computed, // the text box width less the print button width less 4: fills the row to the print button
        Fixed,    // 481 pixels, as the options, colours and illustrated-series documents have it
    };

    QString mediaPath; // written the program's way: root + "\RichText\books.rtf"
    QString caption;   // the complete caption, title prefix included
    Caption captionKind = Caption::ViaDocumentCaption;
    CloseWidth closeWidth = CloseWidth::Computed;
    QString errorCode; // reported when the document cannot be read
    bool modal = true; // false: the window is shown without waiting and the document loaded after
};

// Opens documents in the viewer the way every opener does: caption, load, hide the sound buttons, size the
// close button, show. A document that cannot be read is reported with the request's code and the viewer is
// not shown.
class DocumentOpener {
public:
    static constexpr int kFixedCloseWidth = 481;

    DocumentOpener(DocumentState& state, const MediaFiles& files, ErrorReporter& reporter,
                   IDocumentViewer& viewer);

    // True when the document was shown.
    bool open(const DocumentRequest& request);

    static int computedCloseWidth(int textBoxWidth, int printButtonWidth)
    {
        return textBoxWidth - printButtonWidth - 4;
    }

private:
    bool loadInto(const QString& mediaPath);
    void prepare(const DocumentRequest& request);
    void fail(const DocumentRequest& request);

    DocumentState& m_state;
    const MediaFiles& m_files;
    ErrorReporter& m_reporter;
    IDocumentViewer& m_viewer;
};
