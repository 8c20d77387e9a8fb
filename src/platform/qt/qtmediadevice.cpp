#include "platform/qt/qtmediadevice.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QToolButton>
#include <QUrl>
#include <QVideoWidget>

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
    if (deviceType.compare(QLatin1String("WaveAudio"), Qt::CaseInsensitive) == 0)
        return form == "WAVE" ? true : no(QStringLiteral("not a WAVE file: ") + path);
    if (deviceType.compare(QLatin1String("AVIVideo"), Qt::CaseInsensitive) == 0)
        return form == "AVI " ? true : no(QStringLiteral("not an AVI file: ") + path);
    return no(QStringLiteral("unknown device type: ") + deviceType);
}

void QtMediaDevice::ensurePlayer()
{
    if (m_player)
        return;
    m_player = new QMediaPlayer(this);
    // Always an audio output: without one, GStreamer finds no sink for a sound's stream and stops with a
    // stream error. With no sound device its automatic sink falls back to a fake sink: sounds play silently.
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
        ensurePlayer();
        m_player->setSource(QUrl::fromLocalFile(QFileInfo(m_fileName).absoluteFilePath()));
        m_open = true;
        m_error.clear();
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

QWidget* QtMediaDevice::createButtonBar(QWidget* parent)
{
    auto* bar = new QWidget(parent);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    struct Def {
        MediaButton button;
        const char* name;
        const char* text;
    };
    static const Def defs[] = {{MediaButton::Prev, "Prev", "|<<"}, {MediaButton::Next, "Next", ">>|"},
                               {MediaButton::Play, "Play", ">"},   {MediaButton::Pause, "Pause", "||"},
                               {MediaButton::Back, "Back", "<|"},  {MediaButton::Step, "Step", "|>"},
                               {MediaButton::Stop, "Stop", "[]"}};
    for (const Def& d : defs) {
        auto* b = new QToolButton(bar);
        b->setObjectName(QString::fromLatin1(d.name));
        b->setText(QString::fromLatin1(d.text));
        b->setToolTip(QString::fromLatin1(d.name));
        b->setAccessibleName(QString::fromLatin1(d.name));
        row->addWidget(b);
        const MediaButton which = d.button;
        connect(b, &QToolButton::clicked, this, [this, which] {
            if (m_handler)
                m_handler(which);
        });
    }
    return bar;
}
