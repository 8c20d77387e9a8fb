#pragma once

#include <QPoint>
#include <QString>

#include "catalog/catalogue.h"

class ErrorReporter;
class IEntryPictureView;
class IMainView;
class IMessages;
struct MediaRoots;
struct SelectionState;

// The nose, side and rear emblems, the script badge and the clip art of the current entry: their buttons,
// loaders, placement, clicks and the copy to the clipboard.
class EntryPictures {
public:
    struct Context {
        SelectionState& selection;
        IEntryPictureView& pictures;
        IMainView& view; // the year buttons' focus
        ErrorReporter& reporter;
        IMessages& messages;
        const MediaRoots& roots;
    };

    static const QString kCopyQuestion;

    explicit EntryPictures(Context context);

    // The loaders: each reads the current entry and reports its own code when the picture cannot be read.
    void LoadNoseEmblem();
    void LoadSideEmblem();
    void LoadRearEmblem();
    void LoadScriptPicture();
    void LoadClipArt();
    // The loader of a box, for RefreshEntryPictures.
    void reload(catalogue::PicturePanel box);

    // cmdEmblem, cmdEmbSide, cmdEmbRear, cmdScript and cmdClipArt.
    void buttonClicked(catalogue::ContentButton button);
    // A left click on a shown picture hides it.
    void pictureClicked(catalogue::PicturePanel box);
    // Mouse-down on a picture: the right button offers to copy that picture.
    void pictureMouseDown(catalogue::PicturePanel box, bool rightButton);

    const QString& mouseButtonText() const { return m_mouseButtonText; }

private:
    enum class OnFailure { Hide, Keep };
    void loadEmblem(catalogue::PicturePanel box, const QString& code, const QString& mediaPath,
                    OnFailure hide);
    QPoint placement(catalogue::PicturePanel box) const;
    void toggle(catalogue::PicturePanel box);
    void clipArtButton();
    void CopyPictureToClipboard(catalogue::PicturePanel box);
    void focusNextYearButton();

    Context m;
    QString m_mouseButtonText;
};
