#pragma once

#include <memory>

#include <QString>

class LinuxDiscImages;

// A media root named to a command-line mode: a folder as it is, or a disc image mounted read-only for as
// long as this object lives.
class CliMediaRoot {
public:
    CliMediaRoot();
    ~CliMediaRoot();

    // False when the path is neither a folder nor a disc image that mounts; *error then says why.
    bool open(const QString& path, QString* error);
    // The folder the media are read from, absolute.
    QString folder() const { return m_folder; }

private:
    std::unique_ptr<LinuxDiscImages> m_images;
    QString m_folder;
};
