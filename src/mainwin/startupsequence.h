#pragma once

#include <functional>

#include <QString>

class ErrorReporter;
class IMediaDevice;
class IMessages;
class IProcesses;
class MediaFiles;
class MediaOpener;
struct MediaRoots;
struct PhotoIndex;
struct SelectionState;

// The splash window's load: one running copy only, the media roots, the start-up sound, the splash timer and
// the photo index.
class StartupSequence {
public:
    static constexpr int kSplashMilliseconds = 5000;
    // The exit status when the media path named on the command line holds no media.
    static constexpr int kBadMediaStatus = 2;

    struct Context {
        IProcesses& processes;
        IMessages& messages;
        IMediaDevice& splashMedia; // SplashWindow's MMControl1
        ErrorReporter& reporter;
        MediaRoots& roots;
        const MediaFiles& files;
        PhotoIndex& index;
        SelectionState& selection;
        MediaOpener* opener = nullptr; // named and remembered media paths; none: drives only
        QString requestedMedia;        // a folder or disc image named on the command line
        bool askOnBadMedia = true;     // a bad requested path is also shown in a message box
    };
    struct Hooks {
        std::function<void()> closeSplash;
        std::function<void(bool)> setBusy;
        std::function<void(int milliseconds)> startSplashTimer;
        std::function<void()> stopSplashTimer;
        std::function<void(const QString& text)> printError; // standard error, for the command line
    };

    StartupSequence(Context context, Hooks hooks) : m(context), m_hooks(std::move(hooks)) {}

    // Returns false when the program is to end (a second copy, Cancel on a media report, or a named media
    // path that holds no media: then a message names what was looked for and the program ends with
    // kBadMediaStatus).
    bool SplashLoad(const QString& commandLine);

    // The start-up sound beside the program.
    static QString startupSoundPath(const QString& programFolder);

private:
    Context m;
    Hooks m_hooks;
};
