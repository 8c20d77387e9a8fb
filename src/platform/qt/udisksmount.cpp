#include "platform/qt/udisksmount.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

namespace {

const QString kManagerPath = QStringLiteral("/org/freedesktop/UDisks2/Manager");
const QString kManager = QStringLiteral("org.freedesktop.UDisks2.Manager");
const QString kFilesystem = QStringLiteral("org.freedesktop.UDisks2.Filesystem");
const QString kLoop = QStringLiteral("org.freedesktop.UDisks2.Loop");
constexpr int kCallTimeoutMs = 30000; // a mount may wait for the desktop to ask the user

QDBusMessage call(const QDBusConnection& bus, const QString& path, const QString& interface,
                  const QString& method, const QVariantList& args)
{
    QDBusMessage m = QDBusMessage::createMethodCall(UDisksMount::service(), path, interface, method);
    m.setArguments(args);
    return bus.call(m, QDBus::Block, kCallTimeoutMs);
}

// The file system appears on a new loop device once udev has probed it.
bool notProbedYet(const QDBusMessage& reply)
{
    const QString name = reply.errorName();
    return name == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod") ||
           name == QLatin1String("org.freedesktop.DBus.Error.UnknownInterface") ||
           name == QLatin1String("org.freedesktop.DBus.Error.UnknownObject");
}

// Filesystem.MountPoints: an array of NUL-terminated byte strings.
QString firstMountPoint(const QDBusConnection& bus, const QString& object)
{
    const QDBusMessage reply = call(bus, object, QStringLiteral("org.freedesktop.DBus.Properties"),
                                    QStringLiteral("Get"), {kFilesystem, QStringLiteral("MountPoints")});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    const QVariant value = reply.arguments().first().value<QDBusVariant>().variant();
    const QDBusArgument arg = value.value<QDBusArgument>();
    QList<QByteArray> points;
    arg >> points;
    for (QByteArray p : points) {
        if (p.endsWith('\0'))
            p.chop(1);
        if (!p.isEmpty())
            return QString::fromLocal8Bit(p);
    }
    return {};
}

} // namespace

UDisksMount::UDisksMount(QDBusConnection bus, int probeTimeoutMs)
    : m_bus(std::move(bus)), m_probeTimeoutMs(probeTimeoutMs)
{
}

bool UDisksMount::available(QString* why) const
{
    if (!m_bus.isConnected()) {
        *why = QStringLiteral("no system bus is running");
        return false;
    }
    QDBusConnectionInterface* bus = m_bus.interface();
    if (!bus || (!bus->isServiceRegistered(service()).value() &&
                 !bus->activatableServiceNames().value().contains(service()))) {
        *why = QStringLiteral("the udisks2 service is not running");
        return false;
    }
    return true;
}

void UDisksMount::deleteLoop(const QString& loopObject)
{
    call(m_bus, loopObject, kLoop, QStringLiteral("Delete"), {QVariantMap()});
}

IImageMountMethod::Result UDisksMount::mount(const QString& image, const QString&)
{
    Result r;
    const int fd = ::open(QFile::encodeName(image).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        r.error = QStringLiteral("the image cannot be opened");
        return r;
    }
    const QDBusUnixFileDescriptor descriptor(fd); // keeps its own copy
    ::close(fd);
    // Read-only, and the whole image as one file system (a hybrid image's partition table is ignored).
    const QVariantMap loopOptions{{QStringLiteral("read-only"), true},
                                  {QStringLiteral("no-part-scan"), true}};
    const QDBusMessage setup = call(m_bus, kManagerPath, kManager, QStringLiteral("LoopSetup"),
                                    {QVariant::fromValue(descriptor), loopOptions});
    if (setup.type() != QDBusMessage::ReplyMessage || setup.arguments().isEmpty()) {
        r.error = QStringLiteral("udisks2 could not set up a loop device: %1").arg(setup.errorMessage());
        return r;
    }
    const QString loop = setup.arguments().first().value<QDBusObjectPath>().path();

    const QVariantMap mountOptions{{QStringLiteral("options"), QStringLiteral("ro")}};
    QDeadlineTimer deadline(m_probeTimeoutMs);
    QDBusMessage mounted;
    for (;;) {
        mounted = call(m_bus, loop, kFilesystem, QStringLiteral("Mount"), {mountOptions});
        if (mounted.type() == QDBusMessage::ReplyMessage || !notProbedYet(mounted) || deadline.hasExpired())
            break;
        QThread::msleep(100);
    }
    if (mounted.type() == QDBusMessage::ReplyMessage && !mounted.arguments().isEmpty())
        r.folder = mounted.arguments().first().toString();
    else if (mounted.errorName() == QLatin1String("org.freedesktop.UDisks2.Error.AlreadyMounted"))
        r.folder = firstMountPoint(m_bus, loop); // the desktop mounted it first
    if (r.folder.isEmpty()) {
        deleteLoop(loop);
        r.error = notProbedYet(mounted)
                      ? QStringLiteral("udisks2 found no file system in it")
                      : QStringLiteral("udisks2 could not mount it: %1").arg(mounted.errorMessage());
        return r;
    }
    r.handle = loop;
    return r;
}

bool UDisksMount::unmount(const QString&, const QString& handle)
{
    if (handle.isEmpty())
        return false;
    // Forced: a file of the image still open at the end of the program must not keep it mounted.
    const QDBusMessage reply = call(m_bus, handle, kFilesystem, QStringLiteral("Unmount"),
                                    {QVariantMap{{QStringLiteral("force"), true}}});
    const bool unmounted = reply.type() == QDBusMessage::ReplyMessage ||
                           reply.errorName() == QLatin1String("org.freedesktop.UDisks2.Error.NotMounted") ||
                           notProbedYet(reply);
    if (unmounted)
        deleteLoop(handle);
    return unmounted;
}
