#include "savershow.h"

#include <QFileInfo>

#include "photodecoder.h"
#include "savertimer.h"
#include "saverview.h"

SaverShow::SaverShow(ISaverView& view, ISaverTimer& timer, IPhotoDecoder& decoder, FindPhotos findPhotos)
    : m_view(view), m_timer(timer), m_decoder(decoder), m_findPhotos(std::move(findPhotos))
{
}

void SaverShow::start(const SaverSettings& settings)
{
    if (!settings.ok()) {
        stopWith(settings.problem);
        return;
    }
    m_zephPath = settings.photoPath;
    m_intervalMs = settings.intervalSeconds * 1000;
    m_folder = m_findPhotos(m_zephPath);
    if (!m_folder.problem.isEmpty()) {
        stopWith(m_folder.problem);
        return;
    }
    m_waiting = true; // the first photo shows as soon as it is decoded
    request(0);
}

void SaverShow::request(int index)
{
    m_pendingIndex = index;
    m_ready = false;
    m_readyPhoto = QImage();
    const int ticket = ++m_ticket;
    m_decoder.decode(ticket, m_folder.photos.at(index), m_view.pictureSize(),
                     [this](int t, const QImage& photo) { decoded(t, photo); });
}

void SaverShow::decoded(int ticket, const QImage& photo)
{
    if (ticket != m_ticket || m_stopped)
        return;
    m_ready = true;
    m_readyPhoto = photo;
    m_failuresInRow = photo.isNull() ? m_failuresInRow + 1 : 0;
    if (m_failuresInRow >= m_folder.photos.size()) {
        stopWith(QStringLiteral("None of the photos in %1 can be shown.").arg(m_zephPath));
        return;
    }
    if (m_waiting)
        present();
}

void SaverShow::interval()
{
    if (m_stopped)
        return;
    if (!m_endMessage.isEmpty())
        stopWith(m_endMessage);
    else if (m_ready)
        present();
    else
        m_waiting = true;
}

void SaverShow::present()
{
    m_waiting = false;
    if (m_readyPhoto.isNull())
        m_view.showMessage(QStringLiteral("The photo %1 cannot be shown.")
                               .arg(QFileInfo(m_folder.photos.at(m_pendingIndex)).fileName()));
    else
        m_view.showPhoto(m_readyPhoto);
    m_shownIndex = m_pendingIndex;
    if (!m_timerRunning) {
        m_timerRunning = true;
        m_timer.start(m_intervalMs, [this] { interval(); });
    }

    int next = m_shownIndex + 1;
    if (next >= m_folder.photos.size()) {
        // A new round: the folder may have gained or lost photos, or gone with its disc.
        const PhotoFolder fresh = m_findPhotos(m_zephPath);
        if (!fresh.problem.isEmpty()) {
            m_endMessage = fresh.problem; // the last photo keeps its full turn
            return;
        }
        if (fresh.photos != m_folder.photos)
            m_failuresInRow = 0;
        m_folder = fresh;
        next = 0;
    }
    request(next);
}

void SaverShow::stopWith(const QString& message)
{
    m_stopped = true;
    m_shownIndex = -1;
    if (m_timerRunning)
        m_timer.stop();
    m_timerRunning = false;
    m_view.showMessage(message);
}
