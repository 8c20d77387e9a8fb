#include "platform/qt/qtmediadevice.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QVideoWidget>

#include "platform/riffcheck.h"

QtMediaDevice::QtMediaDevice(QObject* parent) : QObject(parent) {}

QtMediaDevice::~QtMediaDevice()
{
    if (m_player)
        m_player->stop();
}

void QtMediaDevice::setDisplayWindow(QObject* window)
{
    m_display = qobject_cast<QWidget*>(window);
    if (m_player)
        m_player->setVideoOutput(qobject_cast<QVideoWidget*>(m_display.data()));
}

bool QtMediaDevice::looksPlayable(const QString& path, const QString& deviceType, QString* why)
{
    auto no = [why](const QString& text) {
        if (why)
            *why = text;
        return false;
    };
    const QFileInfo info(path);
    if (!info.isFile())
        return no(QStringLiteral("no such file: ") + path);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return no(QStringLiteral("cannot read: ") + path);
    const QByteArray head = f.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF"))
        return no(QStringLiteral("not a RIFF file: ") + path);
    const QByteArray form = head.mid(8, 4);
    QString problem;
    if (deviceType.compare(QLatin1String("WaveAudio"), Qt::CaseInsensitive) == 0) {
        if (form != "WAVE")
            return no(QStringLiteral("not a WAVE file: ") + path);
        problem = riffcheck::waveProblem(f);
    } else if (deviceType.compare(QLatin1String("AVIVideo"), Qt::CaseInsensitive) == 0) {
        if (form != "AVI ")
            return no(QStringLiteral("not an AVI file: ") + path);
        problem = riffcheck::aviProblem(f);
    } else {
        return no(QStringLiteral("unknown device type: ") + deviceType);
    }
    return problem.isEmpty() ? true : no(problem + QStringLiteral(": ") + path);
}

void QtMediaDevice::newPlayer()
{
    // Each file gets a player of its own: a pipeline torn down for the next file may still report errors
    // or stall, and those must not be taken for the next file's.
    if (m_player) {
        m_player->disconnect(this);
        m_player->stop();
        delete m_player;
    }
    m_player = new QMediaPlayer(this);
    // Always an audio output: without one, GStreamer finds no sink for a sound's stream and stops with a
    // stream error. With no sound device its automatic sink falls back to a fake sink: sounds play silently.
    if (!m_audio)
        m_audio = new QAudioOutput(this);
    m_player->setAudioOutput(m_audio);
    m_player->setVideoOutput(qobject_cast<QVideoWidget*>(m_display.data()));
    connect(m_player, &QMediaPlayer::errorOccurred, this, &QtMediaDevice::onPlayerError);
}

void QtMediaDevice::onPlayerError()
{
    // Qt may report one bad file several times and stay in PlayingState: keep the first report, stop once.
    if (m_inErrorStop)
        return;
    if (!m_asyncErrorSeen) {
        m_asyncErrorSeen = true;
        m_error = m_player->errorString();
    }
    m_inErrorStop = true;
    m_player->stop();
    m_inErrorStop = false;
}

bool QtMediaDevice::waitUntilReadable()
{
    // The player reads the file in the background: wait until it has understood it (LoadedMedia) or given
    // up (InvalidMedia or an error), never longer than the timeout. User input waits meanwhile. A player that
    // has not decided by then (a very slow machine) gets the benefit of the doubt: its later errors still
    // stop playback.
    auto decided = [this] {
        const QMediaPlayer::MediaStatus s = m_player->mediaStatus();
        return m_asyncErrorSeen || s == QMediaPlayer::LoadedMedia || s == QMediaPlayer::BufferedMedia ||
               s == QMediaPlayer::InvalidMedia;
    };
    if (!decided()) {
        QEventLoop loop;
        QTimer deadline;
        deadline.setSingleShot(true);
        connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
        connect(m_player, &QMediaPlayer::mediaStatusChanged, &loop, [&] {
            if (decided())
                loop.quit();
        });
        connect(m_player, &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);
        deadline.start(m_openTimeoutMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    const QMediaPlayer::MediaStatus s = m_player->mediaStatus();
    if (!m_asyncErrorSeen && s != QMediaPlayer::InvalidMedia)
        return true;
    const QString detail =
        m_asyncErrorSeen && !m_error.isEmpty() ? QStringLiteral(" (") + m_error + u')' : QString();
    m_error = QStringLiteral("cannot decode: ") + m_fileName + detail;
    m_player->stop();
    m_player->setSource(QUrl());
    return false;
}

bool QtMediaDevice::fail(const QString& why)
{
    m_error = why;
    return false;
}

bool QtMediaDevice::command(const QString& command)
{
    const QString c = command.trimmed().toLower();
    if (c == QLatin1String("close")) {
        if (m_player) {
            m_player->stop();
            m_player->setSource(QUrl());
        }
        m_open = false;
        return true;
    }
    if (c == QLatin1String("open")) {
        m_open = false;
        m_asyncErrorSeen = false;
        QString why;
        if (!looksPlayable(m_fileName, m_deviceType, &why))
            return fail(why);
        newPlayer();
        m_error.clear();
        m_player->setSource(QUrl::fromLocalFile(QFileInfo(m_fileName).absoluteFilePath()));
        if (!waitUntilReadable())
            return false;
        m_open = true;
        return true;
    }
    if (c == QLatin1String("play") || c == QLatin1String("stop") || c == QLatin1String("prev")) {
        if (!m_open || !m_player)
            return fail(QStringLiteral("no file is open"));
        if (c == QLatin1String("play")) {
            if (!m_asyncErrorSeen)
                m_player->play();
        } else if (c == QLatin1String("stop")) {
            m_player->stop();
        } else {
            m_player->setPosition(0);
        }
        return true;
    }
    return fail(QStringLiteral("unknown command: ") + command);
}
