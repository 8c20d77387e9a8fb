#pragma once

#include <functional>

#include <QString>

#include "catalog/catalogue.h"

class ErrorReporter;
class IMainView;
class IMediaDevice;
class IMessages;
class IProcesses;
class MediaFiles;
class PhotoStepper;
struct MediaRoots;
struct PhotoIndex;
struct PhotoStepState;
struct SelectionState;

// Decides what the main window shows: entry selection by year buttons, keys, the photo click walk, the first
// background click and the collection menus; photo stepping; the reload button; the exit question.
class MainController {
public:
    struct Context {
        SelectionState& selection;
        PhotoStepState& step;
        PhotoIndex& index;
        PhotoStepper& stepper;
        IMainView& view;
        ErrorReporter& reporter;
        IMessages& messages;
        IProcesses& processes;
        IMediaDevice& media; // the main window's MMControl1
        const MediaRoots& roots;
        const MediaFiles& files;
    };

    // Work done by windows built later; an empty hook does nothing.
    struct Hooks {
        std::function<void(catalogue::PicturePanel)> reloadPicturePanel;
        std::function<void()> closeSecondaryWindows; // the slide show and the document window
        std::function<void()> showSaverList;         // frmSSPhoto, modeless
    };

    static constexpr int kKeySpace = 32;
    static constexpr int kKeyComma = 188;
    static constexpr int kKeyPeriod = 190;

    explicit MainController(Context context);
    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }

    void ShowEntry();
    void RefreshEntryPictures();
    void SetEntryButtons();
    void ShowCollectionEntry();

    void yearButtonClicked(int index);
    // Returns whether the key was taken (space only before any entry was chosen).
    bool yearButtonKey(int index, int keyCode);
    void StepPhotoForward();
    void StepPhotoBack();
    void backgroundClicked();
    void photoClicked(bool rightButton);

    void specialtyMenu(int index);
    void zephStuffMenu(int index);
    void artMenu(int index);
    void museumMenu(int index);
    void topTenMenu();
    void miscellanyMenu();

    void reloadArray();
    void focusLost();
    // The close query: asks, and on OK closes the media control and ends the program. Returns whether the
    // window may close.
    bool confirmExit();

private:
    void resetAfterSelection();
    void selectYear(int index);
    void menuEntry(const QString& text);
    void setButtons(std::initializer_list<catalogue::ContentButton> buttons, bool enabled);

    Context m;
    Hooks m_hooks;
};
