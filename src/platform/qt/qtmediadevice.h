#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "platform/mediadevice.h"

class QAudioOutput;
class QMediaPlayer;
class QWidget;

// The media control over Qt Multimedia. "open" checks the file itself (it must exist and be a RIFF WAVE or
// RIFF AVI file matching the device type, with the chunks a player needs), then lets the player read it and
// waits, for a bounded time, until the player has understood it or given up, so a file whose content cannot
// be decoded fails "open" instead of making "play" do nothing. Qt's later, repeated error signals are
// absorbed and stop playback. Without a sound device it plays silently.
class QtMediaDevice final : public QObject, public IMediaDevice {
    Q_OBJECT
public:
    explicit QtMediaDevice(QObject* parent = nullptr);
    ~QtMediaDevice() override;

    void setDeviceType(const QString& deviceType) override { m_deviceType = deviceType; }
    void setFileName(const QString& path) override { m_fileName = path; }
    void setDisplayWindow(QObject* window) override;
    bool command(const QString& command) override;
    QString errorText() const override { return m_error; }

    // True when the file is a RIFF file of the device type ("WaveAudio": WAVE, "AVIVideo": AVI) that holds
    // the chunks a player needs.
    static bool looksPlayable(const QString& path, const QString& deviceType, QString* why = nullptr);

    // The longest "open" waits for the player to read a file (default 10 seconds).
    void setOpenTimeout(int milliseconds) { m_openTimeoutMs = milliseconds; }

    bool isOpen() const { return m_open; }
    bool asyncErrorSeen() const { return m_asyncErrorSeen; }

private:
    void newPlayer();
    void onPlayerError();
    bool waitUntilReadable();
    bool fail(const QString& why);

    QString m_deviceType;
    QString m_fileName;
    QString m_error;
    QPointer<QWidget> m_display;
    QMediaPlayer* m_player = nullptr;
    QAudioOutput* m_audio = nullptr;
    bool m_open = false;
    bool m_asyncErrorSeen = false;
    bool m_inErrorStop = false;
    int m_openTimeoutMs = 10000;
};
