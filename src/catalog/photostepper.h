#pragma once

#include <functional>

#include <QString>

class ErrorReporter;
class IPhotoView;
class MediaFiles;
struct MediaRoots;
struct PhotoIndex;
struct PhotoStepState;
struct SelectionState;

// Shows the first photo of an entry and steps forward and back through the entry's photos with
// wrap-around; loads a collection photo's caption text and keeps the screen-saver list's buttons current.
class PhotoStepper {
public:
    struct Context {
        const PhotoIndex& index;
        PhotoStepState& step;
        SelectionState& selection;
        IPhotoView& view;
        ErrorReporter& reporter;
        const MediaRoots& roots;
        const MediaFiles& files;
    };

    explicit PhotoStepper(Context context) : m(context) {}

    // Called after every photo change with whether the photo on display is in the screen saver's list
    // (the list window enables its add or remove button from that). Without a hook nothing is looked up.
    void setSaverButtonsHook(std::function<void(bool inSaverList)> hook) { m_saverHook = std::move(hook); }
    // Called after every photo change with the index shown, so neighbours can be prepared.
    void setPhotoShownHook(std::function<void(int shownIndex)> hook) { m_shownHook = std::move(hook); }

    // The last part of ShowEntry: finds the first photo of EntryCode and shows it, or reports ER023 and
    // hides the photo. Returns whether a photo is on display.
    bool ShowFirstPhoto();
    void StepPhotoForward();
    void StepPhotoBack();
    // Loads the caption text of PhotoFiles(PhotoPosition + offset) into rtbDetails and places the box.
    void LoadPhotoText(int offset);
    void RefreshSaverButtons();

    // The caption-text file of a photo path: MediaRoot + "\RichText\" + name without extension + ".rtf".
    QString captionTextPath(const QString& photoPath) const;
    // Photo indexes of the same entry next to index i (forward and back, wrapping); 0 when there is none.
    int neighbour(int i, int direction) const;

private:
    void normaliseCode();
    bool noEntryYet();
    void moveFocusAfterStep(int textOffset);
    void showFileName(int i, int nameStart);

    Context m;
    std::function<void(bool)> m_saverHook;
    std::function<void(int)> m_shownHook;
};
