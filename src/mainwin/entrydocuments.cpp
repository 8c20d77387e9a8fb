#include "mainwin/entrydocuments.h"

#include <QFileInfo>

#include "catalog/catalogue.h"
#include "catalog/errorcodes.h"
#include "catalog/errorreporter.h"
#include "catalog/mediafiles.h"
#include "catalog/mediaroots.h"
#include "catalog/photostepstate.h"
#include "catalog/selectionstate.h"
#include "mainwin/mainview.h"
#include "platform/messages.h"
#include "viewers/documentstate.h"

using mediarules::DocKind;
using mediarules::kDocumentTitlePrefix;

namespace {

const char* const kCaptionWords[] = {" Description", " Statistics", " Options", " Colors"};

QString captionWord(DocKind kind)
{
    return QLatin1String(kCaptionWords[static_cast<int>(kind)]);
}

// Descriptions whose caption is not the label itself.
struct DescriptionCaption {
    const char* label;
    const char* caption;
};
const DescriptionCaption kDescriptionCaptions[] = {
    {"Zephane Americana ", "Zephane Americana Hall of Fame "},
    {"Mirra Santore Art Print ", "Mirra Santore "},
    {"Caspo Velloz Art Print ", "Caspo Velloz "},
    {"National Zephane Museum Print ", "National Zephane Museum "},
    {"Ferrec Orlund Art Print ", "Ferrec Orlund "},
};

// The year rule's caption: "19" or "20", then characters 3-4 of the label, then the kind's word.
QString yearRuleCaption(DocKind kind, const QString& label)
{
    const QString century =
        label.startsWith(QLatin1String("20")) ? QStringLiteral("20") : QStringLiteral("19");
    return kDocumentTitlePrefix + century + label.mid(2, 2) + captionWord(kind);
}

const QString kPembry = QStringLiteral("Pembry Cars ");

} // namespace

const QString EntryDocuments::kNostalgiaSorry = QStringLiteral(
    "Sorry!\r\n\r\nNostalgia will be included in the final release of the Zephane Folarium 2000"
    "\r\n\r\nTry 1956 to preview this feature.\r\n");

EntryDocuments::EntryDocuments(Context context)
    : m(context), m_opener(context.documents, context.files, context.reporter, context.viewer)
{
}

QString EntryDocuments::caption(DocKind kind, const QString& entryText)
{
    if (entryText == catalogue::kNoEntry)
        return kind == DocKind::Description ? kDocumentTitlePrefix + QStringLiteral("Introduction")
                                            : QString();
    // Only the description takes its caption from the year rule; the other kinds name the label (the same
    // text for a year).
    if (kind == DocKind::Description && mediarules::usesYearRule(kind, entryText))
        return yearRuleCaption(kind, entryText);
    if (kind == DocKind::Description) {
        for (const DescriptionCaption& d : kDescriptionCaptions)
            if (entryText == QLatin1String(d.label))
                return kDocumentTitlePrefix + QLatin1String(d.caption);
        return kDocumentTitlePrefix + entryText;
    }
    if (kind == DocKind::Statistics && entryText == kPembry)
        return kDocumentTitlePrefix + entryText + QStringLiteral(" Features");
    return kDocumentTitlePrefix + entryText + captionWord(kind);
}

bool EntryDocuments::captionViaDocumentCaption(DocKind kind, const QString& entryText)
{
    if (kind != DocKind::Description || entryText == catalogue::kNoEntry)
        return true;
    if (mediarules::usesYearRule(kind, entryText))
        return entryText.startsWith(QLatin1String("20"));
    return entryText == QLatin1String("Zephane Coin ");
}

QString EntryDocuments::photoFileName(const QString& photoPath)
{
    const qsizetype tag = photoPath.indexOf(mediarules::folder::kZephanes, 0, Qt::CaseInsensitive);
    return tag < 0 ? QString() : photoPath.mid(tag + mediarules::folder::kZephanes.size());
}

bool EntryDocuments::findFile(DocumentState& documents, const MediaFiles& files, const MediaRoots& roots,
                              const mediarules::MediaPath& path)
{
    const std::optional<QString> real = files.resolve(path.in(roots.mediaRoot));
    documents.foundFile = real && QFileInfo(*real).isFile() ? QFileInfo(*real).fileName() : QString();
    if (documents.foundFile.isEmpty())
        return false;
    documents.foundFile = roots.mediaRoot + path.folder + documents.foundFile;
    return true;
}

void EntryDocuments::focusNextYearButton()
{
    m.view.focusYearButton(catalogue::nextYearButton(m.selection.currentYearIndex), false);
}

void EntryDocuments::openEntryDocument(DocKind kind, const QString& errorCode,
                                       DocumentRequest::CloseWidth closeWidth)
{
    const QString& label = m.selection.entryText;
    m.reporter.state().code = errorCode;
    const std::optional<mediarules::MediaPath> path = mediarules::entryDocument(kind, label);
    DocumentRequest request;
    request.caption = caption(kind, label);
    request.captionKind = captionViaDocumentCaption(kind, label)
                              ? DocumentRequest::Caption::ViaDocumentCaption
                              : DocumentRequest::Caption::OnViewer;
    if (request.captionKind == DocumentRequest::Caption::ViaDocumentCaption)
        m.documents.documentCaption = request.caption;
    if (!path || !findFile(m.documents, m.files, m.roots, *path)) {
        m.reporter.report(errorCode);
        return;
    }
    request.mediaPath = m.documents.foundFile;
    request.closeWidth = closeWidth;
    request.errorCode = errorCode;
    m_opener.open(request);
}

void EntryDocuments::descriptionClicked()
{
    openEntryDocument(DocKind::Description, errc::kDescription, DocumentRequest::CloseWidth::Computed);
}

void EntryDocuments::statisticsClicked()
{
    const QString& label = m.selection.entryText;
    if (label == catalogue::kNoEntry)
        return;
    const QString code = errc::kStatistics;
    m.reporter.state().code = code;
    focusNextYearButton();
    if (m.view.detailsVisible()) {
        m.view.setDetailsVisible(false);
        return;
    }
    m.view.raiseDetails();
    m.view.placeDetailsBesideAdButton(QSize(kDetailsWidth, kDetailsHeight));
    m.documents.documentCaption = kDocumentTitlePrefix + label + captionWord(DocKind::Statistics);

    if (mediarules::statisticsArePhotoText(label)) {
        const QString photo = photoFileName(m.step.currentPhotoPath);
        if (photo.isEmpty() || !m.view.loadDetails(mediarules::photoCaption(photo).in(m.roots.mediaRoot))) {
            m.reporter.report(code);
            return;
        }
        m.view.setDetailsVisible(true);
        return;
    }
    openEntryDocument(DocKind::Statistics, code, DocumentRequest::CloseWidth::Computed);
}

void EntryDocuments::optionsClicked()
{
    if (m.selection.entryText != catalogue::kNoEntry)
        openEntryDocument(DocKind::Options, errc::kOptions, DocumentRequest::CloseWidth::Fixed);
}

void EntryDocuments::colorsClicked()
{
    if (m.selection.entryText != catalogue::kNoEntry)
        openEntryDocument(DocKind::Colors, errc::kColors, DocumentRequest::CloseWidth::Fixed);
}

void EntryDocuments::nostalgiaClicked()
{
    const QString& label = m.selection.entryText;
    if (label == catalogue::kNoEntry)
        return;
    const QString path = mediarules::nostalgiaDocument(label).in(m.roots.mediaRoot);
    m.viewer.load();
    m.viewer.setCaption(kDocumentTitlePrefix + QStringLiteral("Nostalgia ") + label.left(4));
    const std::optional<QString> real = m.files.resolve(path);
    if (!real || !m.viewer.loadDocument(*real)) {
        // A viewer left loaded would keep this caption for the next document.
        m.viewer.unload();
        m.reporter.state().text = kNostalgiaSorry;
        m.messages.ask({errors::kTitle, kNostalgiaSorry, MessageIcon::Warning, MessageButtons::Ok, false});
        m.view.setMainWindowEnabled(true);
        m.view.setBusy(false);
        return;
    }
    m.viewer.hideSoundButtons();
    m.viewer.setCloseButtonWidth(
        DocumentOpener::computedCloseWidth(m.viewer.textBoxWidth(), m.viewer.printButtonWidth()));
    m.viewer.showModal();
}

void EntryDocuments::detailsClicked()
{
    m.view.setDetailsVisible(false);
    focusNextYearButton();
}

void EntryDocuments::setShowFileNames(bool show)
{
    m.step.showFileNames = show;
    m.view.setFileNamesMenuCaption(show ? QStringLiteral("Hide File &Names")
                                        : QStringLiteral("Show File &Names"));
    if (show)
        m.view.setPhotoFileName(photoFileName(m.step.currentPhotoPath));
    m.view.setFileNameVisible(show);
}

void EntryDocuments::fileNamesMenu()
{
    if (m.selection.entryText == catalogue::kNoEntry)
        return;
    setShowFileNames(!m.step.showFileNames);
}

void EntryDocuments::fileNameClicked()
{
    setShowFileNames(false);
}
