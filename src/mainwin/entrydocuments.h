#pragma once

#include <QString>

#include "catalog/mediarules.h"
#include "viewers/documentopener.h"

class ErrorReporter;
class IMainView;
class IMessages;
class MediaFiles;
struct DocumentState;
struct MediaRoots;
struct PhotoStepState;
struct SelectionState;

// The main window's document buttons (Description, Statistics, Options, Colors, Nostalgia), the details box
// they can fill, and the photo file-name box with its menu item.
class EntryDocuments {
public:
    struct Context {
        SelectionState& selection;
        PhotoStepState& step;
        IMainView& view;
        DocumentState& documents;
        ErrorReporter& reporter;
        IMessages& messages;
        const MediaRoots& roots;
        const MediaFiles& files;
        IDocumentViewer& viewer;
    };

    static constexpr int kDetailsWidth = 329;
    static constexpr int kDetailsHeight = 106;

    explicit EntryDocuments(Context context);

    void descriptionClicked(); // cmdDesc
    void statisticsClicked();  // cmdStats, a toggle for the photo collections
    void optionsClicked();     // cmdOptions
    void colorsClicked();      // cmdColors
    void nostalgiaClicked();   // cmdNostalgia
    void detailsClicked();     // rtbDetails
    void fileNamesMenu();      // mnuNames
    void fileNameClicked();    // txtFile

    // The caption a document kind gets for an entry (title prefix included), and whether it goes through
    // DocumentState::documentCaption (true) or straight onto the viewer (false).
    static QString caption(mediarules::DocKind kind, const QString& entryText);
    static bool captionViaDocumentCaption(mediarules::DocKind kind, const QString& entryText);
    // The part of a photo path after "\zephanes\" ("53abc.jpg"); empty when the path holds no such folder.
    static QString photoFileName(const QString& photoPath);

    static const QString kNostalgiaSorry;

    // The one-file lookup: FoundFile becomes the bare name found (empty when there is none), then
    // MediaRoot + folder + that name. True when the file was found.
    static bool findFile(DocumentState& documents, const MediaFiles& files, const MediaRoots& roots,
                         const mediarules::MediaPath& path);

private:
    void openEntryDocument(mediarules::DocKind kind, const QString& errorCode,
                           DocumentRequest::CloseWidth closeWidth);
    void focusNextYearButton();
    void setShowFileNames(bool show);

    Context m;
    DocumentOpener m_opener;
};
