#include "viewers/movieplayer.h"

#include "catalog/errorcodes.h"
#include "catalog/errorreporter.h"
#include "catalog/mediafiles.h"
#include "catalog/mediaroots.h"
#include "catalog/mediarules.h"
#include "platform/mediadevice.h"
#include "viewers/movieview.h"

MoviePlayer::MoviePlayer(IMediaDevice& device, const MediaFiles& files, ErrorReporter& reporter, Hooks hooks)
    : m_device(device), m_files(files), m_reporter(reporter), m_hooks(std::move(hooks))
{
}

QString MoviePlayer::movieFolder(const MediaRoots& roots, const MediaFiles& files)
{
    // The copies live where the program keeps its own files.
    if (!files.list(roots.dataFolder() + mediarules::folder::kMovies + QStringLiteral("*.avi")).isEmpty())
        return roots.dataFolder() + mediarules::folder::kMovies;
    return roots.mediaRoot + mediarules::folder::kMovies;
}

int MoviePlayer::pictureHeight(int movieIndex)
{
    return movieIndex == 1 ? kShortPictureHeight : kPictureHeight;
}

void MoviePlayer::windowLoaded(IMovieView& view)
{
    m_view = &view;
    if (m_hooks.setMainWindowEnabled)
        m_hooks.setMainWindowEnabled(false);
    view.showPicture();
    m_device.setDisplayWindow(view.videoSurface());
}

bool MoviePlayer::choose(int movieIndex)
{
    m_reporter.state().code = errc::kMovie;
    const mediarules::Movie* movie = mediarules::movie(movieIndex);
    if (!movie) {
        m_reporter.report(errc::kMovie);
        return false;
    }
    if (m_view) {
        m_view->showPicture();
        m_view->setCaption(movie->windowCaption);
    }
    const std::optional<QString> real = m_files.resolve(m_folder + movie->file);
    if (!real) {
        // The device is left as it was.
        m_reporter.report(errc::kMovie);
        return false;
    }
    if (m_view) {
        m_view->setPictureHeight(pictureHeight(movieIndex));
        m_view->showControlBar();
    }
    m_device.command(QStringLiteral("close"));
    m_device.setDeviceType(QStringLiteral("AVIVideo"));
    m_device.setFileName(*real);
    if (!m_device.command(QStringLiteral("open"))) {
        m_reporter.report(errc::kMovie);
        return false;
    }
    return true;
}

void MoviePlayer::play()
{
    m_device.command(QStringLiteral("play"));
}

void MoviePlayer::stop()
{
    m_device.command(QStringLiteral("stop"));
    m_device.command(QStringLiteral("prev"));
}

void MoviePlayer::exit()
{
    IMovieView* view = m_view;
    windowClosed();
    if (view)
        view->closeWindow(); // its close event finds the player already closed
    if (m_hooks.focusNextYearButton)
        m_hooks.focusNextYearButton();
}

void MoviePlayer::windowClosed()
{
    if (!m_view)
        return;
    m_view = nullptr;
    // The window's control goes with the window: a movie must not play on unseen.
    m_device.command(QStringLiteral("close"));
    m_device.setDisplayWindow(nullptr);
    if (m_hooks.setMainWindowEnabled)
        m_hooks.setMainWindowEnabled(true);
}
