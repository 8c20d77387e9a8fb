#pragma once

#include <functional>

#include <QString>

class ErrorReporter;
class IMediaDevice;
class IMessages;
class IProcesses;
class MediaFiles;
struct MediaRoots;
struct PhotoIndex;
struct SelectionState;

// The splash window's load: one running copy only, the media roots, the start-up sound, the splash timer and
// the photo index.
class StartupSequence {
public:
    static constexpr int kSplashMilliseconds = 5000;

    struct Context {
        IProcesses& processes;
        IMessages& messages;
        IMediaDevice& splashMedia; // SplashWindow's MMControl1
        ErrorReporter& reporter;
        MediaRoots& roots;
        const MediaFiles& files;
        PhotoIndex& index;
        SelectionState& selection;
    };
    struct Hooks {
        std::function<void()> closeSplash;
        std::function<void(bool)> setBusy;
        std::function<void(int milliseconds)> startSplashTimer;
        std::function<void()> stopSplashTimer;
    };

    StartupSequence(Context context, Hooks hooks) : m(context), m_hooks(std::move(hooks)) {}

    // Returns false when the program is to end (a second copy, or Cancel on a media report).
    bool SplashLoad(const QString& commandLine);

    // The start-up sound beside the program.
    static QString startupSoundPath(const QString& programFolder);

private:
    Context m;
    Hooks m_hooks;
};
