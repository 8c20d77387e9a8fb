#pragma once

#include <functional>

#include <QString>

#include "catalog/catalogue.h"
#include "mainwin/mainwindowlistener.h"

class ErrorReporter;
class IContentButtons;
class IEntryDisplay;
class IPhotoView;
class IWindowState;
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
// background click and the collection menus; photo stepping; the reload button; the exit question. It is
// the main window's one listener: content buttons and the details box go on to the entry panels' hooks.
class MainController final : public IMainWindowListener {
public:
    struct Context {
        SelectionState& selection;
        PhotoStepState& step;
        PhotoIndex& index;
        PhotoStepper& stepper;
        IPhotoView& photo;
        IEntryDisplay& entry;
        IContentButtons& buttons;
        IWindowState& window;
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
        // The entry panels: documents, pictures and the advertisement.
        std::function<void(catalogue::ContentButton)> contentButtonClicked;
        std::function<void()> detailsClicked;
        std::function<void()> fileNameClicked;
    };

    explicit MainController(Context context);
    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }

    void ShowEntry();
    void RefreshEntryPictures();
    void SetEntryButtons();
    void ShowCollectionEntry();

    // IMainWindowListener
    void yearButtonClicked(int index) override;
    bool yearButtonKey(int index, YearKey key) override;
    void StepPhotoForward() override;
    void StepPhotoBack() override;
    void backgroundClicked() override;
    void photoClicked(bool rightButton) override;
    void contentButtonClicked(catalogue::ContentButton button) override;
    void detailsClicked() override;
    void fileNameClicked() override;
    void reloadArray() override;
    void focusLost() override;
    // Asks, and on OK closes the media control and ends the program.
    bool confirmExit() override;

    void specialtyMenu(int index);
    void zephStuffMenu(int index);
    void artMenu(int index);
    void museumMenu(int index);
    void topTenMenu();
    void miscellanyMenu();
    // The slide show's hand-over: selects the entry as its menu (or year button) would, then shows the

private:
    // The one "select an entry" sequence: the entry's caption, ShowEntry, the photo counter back to 1 and
    // both step directions forgotten, so stepping starts afresh in the new entry.
    void selectEntry(const QString& text);
    void resetAfterSelection();
    void selectYear(int index);
    void menuEntry(const QString& text);
    void setButtons(std::initializer_list<catalogue::ContentButton> buttons, bool enabled);

    Context m;
    Hooks m_hooks;
};
