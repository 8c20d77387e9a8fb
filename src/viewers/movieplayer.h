#pragma once

#include <functional>

#include <QString>

class ErrorReporter;
class IMediaDevice;
class IMovieView;
class MediaFiles;
struct MediaRoots;

// Decides what the movie window does: where the movies are read from, which file an option opens and the
// command sequence on the window's media control. At most one movie is open at a time.
class MoviePlayer {
public:
    struct Hooks {
        std::function<void(bool enabled)> setMainWindowEnabled;
        std::function<void()> focusNextYearButton;
    };

    static constexpr int kPictureHeight = 3255;      // twips
    static constexpr int kShortPictureHeight = 3140; // the 1963 commercial is a little lower

    MoviePlayer(IMediaDevice& device, const MediaFiles& files, ErrorReporter& reporter, Hooks hooks);

    // MovieFolder: the program's own copy ("\movies\" with at least one ".avi"), else the media root's.
    // Ends in a backslash.
    static QString movieFolder(const MediaRoots& roots, const MediaFiles& files);
    static int pictureHeight(int movieIndex);

    void setFolder(const QString& folder) { m_folder = folder; }
    const QString& folder() const { return m_folder; }

    // The window was loaded: the main window waits, the video goes into the window's picture.
    void windowLoaded(IMovieView& view);
    // optMovie click: prepares the movie without starting it. False when it could not (reported).
    bool choose(int movieIndex);
    // The bar's play and stop buttons; stop returns the movie to its start.
    void play();
    void stop();
    // The Exit button: close the window, then give the focus to the next year button.
    void exit();
    // The window is gone, however it was closed: the device is closed and the main window usable again.
    void windowClosed();

private:
    IMediaDevice& m_device;
    const MediaFiles& m_files;
    ErrorReporter& m_reporter;
    Hooks m_hooks;
    IMovieView* m_view = nullptr;
    QString m_folder;
};
