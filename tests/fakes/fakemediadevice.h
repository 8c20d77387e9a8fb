#pragma once

#include <functional>
#include <set>
#include <vector>

#include <QString>
#include <QStringList>

#include "platform/mediadevice.h"

// Records the properties and commands it is given; "open" fails for the file names listed in failingFiles
// (or for every file with failAllOpens).
class FakeMediaDevice final : public IMediaDevice {
public:
    void setDeviceType(const QString& type) override { deviceType = type; }
    void setFileName(const QString& path) override { fileName = path; }
    void setDisplayWindow(QObject* window) override { displayWindow = window; }

    bool command(const QString& cmd) override
    {
        commands << cmd;
        if (cmd == QLatin1String("open")) {
            if (failAllOpens || failingFiles.count(fileName)) {
                error = QStringLiteral("cannot open ") + fileName;
                isOpen = false;
                return false;
            }
            isOpen = true;
            return true;
        }
        if (cmd == QLatin1String("close")) {
            isOpen = playing = false;
            return true;
        }
        if (cmd == QLatin1String("play")) {
            playing = isOpen;
            return isOpen;
        }
        if (cmd == QLatin1String("stop") || cmd == QLatin1String("prev")) {
            playing = playing && cmd == QLatin1String("prev");
            return isOpen;
        }
        return false;
    }
    QString errorText() const override { return error; }

    QString deviceType;
    QString fileName;
    QObject* displayWindow = nullptr;
    QStringList commands;
    QString error;
    bool isOpen = false;
    bool playing = false;
    bool failAllOpens = false;
    std::set<QString> failingFiles;
};
