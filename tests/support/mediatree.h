#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

// A throw-away folder that tests fill with media files by relative path ("zephanes/53A.JPG").
class MediaTree {
public:
    MediaTree() { dir.setAutoRemove(true); }

    QString path() const { return dir.path(); }
    QString file(const QString& relative) const { return dir.path() + QLatin1Char('/') + relative; }

    // Writes a file (and its folders); returns its full path.
    QString add(const QString& relative, const QByteArray& bytes = QByteArray("x")) const
    {
        const QString full = file(relative);
        QDir().mkpath(QFileInfo(full).absolutePath());
        QFile f(full);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        return full;
    }
    QString addFolder(const QString& relative) const
    {
        QDir().mkpath(file(relative));
        return file(relative);
    }

private:
    QTemporaryDir dir;
};
