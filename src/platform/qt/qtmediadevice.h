#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "platform/mediadevice.h"

class QAudioOutput;
class QMediaPlayer;
class QWidget;

// The media control over Qt Multimedia. "open" checks the file itself (it must exist and be a RIFF WAVE or
// RIFF AVI file matching the device type), so a bad file fails at once instead of through Qt's later,
// repeated error signals; those are absorbed and stop playback. Without a sound device it plays silently.
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
    void setButtonHandler(std::function<void(MediaButton)> handler) override
    {
        m_handler = std::move(handler);
    }

    // The bar of seven buttons (Prev, Next, Play, Pause, Back, Step, Stop) as a widget of its own.
    QWidget* createButtonBar(QWidget* parent);

    // True when the file begins like a RIFF file of the device type ("WaveAudio": WAVE, "AVIVideo": AVI).
    static bool looksPlayable(const QString& path, const QString& deviceType, QString* why = nullptr);

    bool isOpen() const { return m_open; }
    bool asyncErrorSeen() const { return m_asyncErrorSeen; }

private:
    void ensurePlayer();
    void onPlayerError();
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
    std::function<void(MediaButton)> m_handler;
};
