#include "viewers/documentopener.h"

#include "catalog/errorreporter.h"
#include "catalog/mediafiles.h"
#include "viewers/documentstate.h"

DocumentOpener::DocumentOpener(DocumentState& state, const MediaFiles& files, ErrorReporter& reporter,
                               IDocumentViewer& viewer)
    : m_state(state), m_files(files), m_reporter(reporter), m_viewer(viewer)
{
}

bool DocumentOpener::loadInto(const QString& mediaPath)
{
    m_viewer.load(); // touching the viewer loads it, and it takes its caption now
    const std::optional<QString> real = m_files.resolve(mediaPath);
    return real && m_viewer.loadDocument(*real);
}

void DocumentOpener::prepare(const DocumentRequest& request)
{
    if (request.captionKind == DocumentRequest::Caption::OnViewer)
        m_viewer.setCaption(request.caption);
    m_viewer.hideSoundButtons();
    m_viewer.setCloseButtonWidth(
        request.closeWidth == DocumentRequest::CloseWidth::Fixed
            ? kFixedCloseWidth
            : computedCloseWidth(m_viewer.textBoxWidth(), m_viewer.printButtonWidth()));
}

void DocumentOpener::fail(const DocumentRequest& request)
{
    // A viewer left loaded after a failed load would keep its caption for the next opening, which may take
    // its caption from DocumentState; unloading it lets that opening start from the design state.
    m_viewer.unload();
    m_reporter.report(request.errorCode);
}

bool DocumentOpener::open(const DocumentRequest& request)
{
    m_reporter.state().code = request.errorCode;
    if (request.captionKind == DocumentRequest::Caption::ViaDocumentCaption)
        m_state.documentCaption = request.caption;

    if (!request.modal) {
        // Shown first, filled after: the opener does not wait for it.
        m_viewer.load();
        prepare(request);
        m_viewer.showModeless();
        if (!loadInto(request.mediaPath)) {
            fail(request);
            return false;
        }
        return true;
    }
    // A viewer still loaded here was shown without waiting (the screen-saver help): closed first, as the
    // help closes its own before it opens, so this document gets a window, caption and modality of its own.
    if (m_viewer.isLoaded())
        m_viewer.unload();
    if (!loadInto(request.mediaPath)) {
        fail(request);
        return false;
    }
    prepare(request);
    m_viewer.showModal();
    return true;
}
