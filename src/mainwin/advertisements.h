#pragma once

#include <functional>

#include <QString>

class ErrorReporter;
class ILargePictureViewer;
class IMainView;
class IMessages;
struct DocumentState;
struct MediaRoots;
struct SelectionState;

// The Ad button: the current entry's magazine advertisement, full screen in the large-picture viewer.
class Advertisements {
public:
    struct Context {
        SelectionState& selection;
        IMainView& view;
        DocumentState& documents; // FoundFile
        ErrorReporter& reporter;
        IMessages& messages;
        const MediaRoots& roots;
        ILargePictureViewer& viewer;
    };
    // The screen-saver photo list leaves its topmost state and closes; empty while it does not exist.
    using CloseSaverList = std::function<void()>;

    static const QString kCaptionPrefix; // the title and four blanks
    static const QString kNotAdvertised;

    Advertisements(Context context, CloseSaverList closeSaverList = {});
    void setCloseSaverList(CloseSaverList hook) { m_closeSaverList = std::move(hook); }

    // cmdAd. True when the viewer was shown.
    bool adClicked();

    static QString caption(const QString& entryText);

private:
    Context m;
    CloseSaverList m_closeSaverList;
};
