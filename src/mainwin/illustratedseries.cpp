#include "mainwin/illustratedseries.h"

#include "catalog/errorcodes.h"
#include "catalog/errorreporter.h"
#include "catalog/mediafiles.h"
#include "catalog/mediaroots.h"
#include "catalog/mediarules.h"
#include "mainwin/entrydocuments.h"
#include "mainwin/largepicturelayout.h"
#include "mainwin/largepictureviewer.h"
#include "mainwin/mainview.h"
#include "viewers/documentopener.h"
#include "viewers/documentstate.h"

const QString IllustratedSeries::kTextCaption =
    mediarules::kDocumentTitlePrefix + QStringLiteral("The Illustrated Zephane");

IllustratedSeries::IllustratedSeries(Context context) : m(context) {}

void IllustratedSeries::open(int seriesPanelTop)
{
    // Centred over the span from the year strip's left edge to the right edge of the Exit button.
    m.panel.showPanelAt(QPoint((m.panel.exitButtonRight() - m.panel.panelWidth()) / 2, seriesPanelTop));
}

void IllustratedSeries::titleClicked(int index)
{
    showIllustration(index);
}

bool IllustratedSeries::showIllustration(int index)
{
    if (index < 1 || index > mediarules::kSeriesCount)
        return false;
    m.view.setBusy(true);
    // An open viewer is reused: the new picture replaces the old one in the same window.
    return showLargePictureOrReport(m.pictures, m.view, largepicture::kSeriesCaption,
                                    mediarules::seriesPicture(index).in(m.roots.mediaRoot), m.reporter,
                                    errc::kAdvertisement);
}

void IllustratedSeries::readAbout()
{
    const QString code = errc::kColors;
    m.reporter.state().code = code;
    const mediarules::MediaPath text = mediarules::seriesText();
    const bool found = EntryDocuments::findFile(m.documents, m.files, m.roots, text);
    m.documents.documentCaption = kTextCaption;
    if (!found) {
        m.reporter.report(code);
        return;
    }
    DocumentOpener opener(m.documents, m.files, m.reporter, m.documentViewer);
    DocumentRequest request;
    request.mediaPath = m.documents.foundFile;
    request.caption = kTextCaption;
    request.closeWidth = DocumentRequest::CloseWidth::Fixed;
    request.errorCode = code;
    opener.open(request);
}

void IllustratedSeries::close()
{
    m.panel.hidePanel();
}
