#pragma once

#include <QString>

// One way of mounting a disc image read-only without root (the desktop's disk service, a user-space file
// system). LinuxDiscImages tries them in turn.
class IImageMountMethod {
public:
    struct Result {
        QString folder; // the mount folder; empty on failure
        QString handle; // what unmount() needs besides the folder
        QString error;  // why not, in words for the user
    };

    virtual ~IImageMountMethod() = default;
    // Kept in the mount records, so that a later run knows which method unmounts a mount it finds.
    virtual QString name() const = 0;
    // Whether the method can work on this machine at all; why not in *why.
    virtual bool available(QString* why) const = 0;
    // workFolder: a private folder of this user where the method may create its mount folder.
    virtual Result mount(const QString& image, const QString& workFolder) = 0;
    virtual bool unmount(const QString& folder, const QString& handle) = 0;
};
