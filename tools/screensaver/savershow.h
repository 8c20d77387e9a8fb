#pragma once

#include <functional>

#include <QImage>

#include "photofolder.h"
#include "saversettings.h"

class ISaverView;
class ISaverTimer;
class IPhotoDecoder;

// The photo cycle: one photo per interval, in name order, starting again at the end with a fresh look at
// the folder. The next photo is always being decoded while the current one shows; when a decode is slower
// than the interval the photo appears as soon as it is ready. A photo that cannot be read shows a short
// message in its turn; when none can be read, or there is nothing to show, a message stays and the timer
// stops, so a broken set-up costs no processor time.
class SaverShow {
public:
    using FindPhotos = std::function<PhotoFolder(const QString& zephPath)>;

    SaverShow(ISaverView& view, ISaverTimer& timer, IPhotoDecoder& decoder, FindPhotos findPhotos);

    void start(const SaverSettings& settings);

    // The photo on show (index into photos()), -1 before the first one or while a message stays.
    int shownIndex() const { return m_shownIndex; }
    const QStringList& photos() const { return m_folder.photos; }
    bool stopped() const { return m_stopped; }

private:
    void request(int index);
    void decoded(int ticket, const QImage& photo);
    void interval();
    void present();
    void stopWith(const QString& message);

    ISaverView& m_view;
    ISaverTimer& m_timer;
    IPhotoDecoder& m_decoder;
    FindPhotos m_findPhotos;

    QString m_zephPath;
    int m_intervalMs = 0;
    PhotoFolder m_folder;
    int m_ticket = 0;        // the decode whose answer is awaited; older answers are dropped
    int m_pendingIndex = -1; // the photo that decode is for
    bool m_ready = false;    // its answer has arrived
    QImage m_readyPhoto;
    bool m_waiting = false; // the interval has passed (or nothing shows yet): present on arrival
    bool m_timerRunning = false;
    int m_failuresInRow = 0;
    int m_shownIndex = -1;
    bool m_stopped = false;
    QString m_endMessage; // shown at the next interval instead of a photo
};
