// The udisks2 mount against a fake of the service's D-Bus interface on a private bus: the machine running
// the tests has no system bus, and a test must not set up loop devices on it anyway.
#include <fcntl.h>

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QDBusVirtualObject>
#include <QFile>
#include <QMutex>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "platform/mountrecords.h"
#include "platform/qt/linuxdiscimages.h"
#include "platform/qt/udisksmount.h"
#include "support/discimagebytes.h"
#include "support/discimagetools.h"
#include "support/mediatree.h"

namespace {

const QString kLoop = QStringLiteral("/org/freedesktop/UDisks2/block_devices/loop7");

// Answers the calls the adapter makes, as udisks2 does, and records them.
class FakeUDisks final : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& m, const QDBusConnection& bus) override
    {
        QMutexLocker lock(&mutex);
        calls << m.path() + QLatin1Char(' ') + m.member();
        if (m.member() == QLatin1String("LoopSetup")) {
            const auto fd = m.arguments().value(0).value<QDBusUnixFileDescriptor>();
            image = QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(fd.fileDescriptor()));
            openedReadOnly = (::fcntl(fd.fileDescriptor(), F_GETFL) & O_ACCMODE) == O_RDONLY;
            loopOptions = qdbus_cast<QVariantMap>(m.arguments().value(1));
            bus.send(m.createReply(QVariant::fromValue(QDBusObjectPath(kLoop))));
        } else if (m.member() == QLatin1String("Mount")) {
            if (unprobedMounts > 0) {
                --unprobedMounts; // udev has not probed the new loop device yet
                bus.send(m.createErrorReply(
                    QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"),
                    QStringLiteral("No such interface 'org.freedesktop.UDisks2.Filesystem'")));
            } else if (!refusal.isEmpty()) {
                bus.send(m.createErrorReply(QStringLiteral("org.freedesktop.UDisks2.Error.NotAuthorized"),
                                            refusal));
            } else {
                mountOptions = qdbus_cast<QVariantMap>(m.arguments().value(0));
                bus.send(m.createReply(mountFolder));
            }
        } else {
            if (m.member() == QLatin1String("Unmount"))
                unmountOptions = qdbus_cast<QVariantMap>(m.arguments().value(0));
            bus.send(m.createReply()); // Unmount, Delete
        }
        return true;
    }

    QMutex mutex;
    QStringList calls;
    QString image;
    bool openedReadOnly = false;
    QVariantMap loopOptions;
    QVariantMap mountOptions;
    QVariantMap unmountOptions;
    int unprobedMounts = 0;
    QString refusal;
    QString mountFolder;
};

// A method that always works, to see which method the chain picks.
class StubMount final : public IImageMountMethod {
public:
    explicit StubMount(QString folder) : m_folder(std::move(folder)) {}
    QString name() const override { return QStringLiteral("stub"); }
    bool available(QString*) const override { return true; }
    Result mount(const QString&, const QString&) override { return {m_folder, {}, {}}; }
    bool unmount(const QString&, const QString&) override { return true; }

private:
    QString m_folder;
};

struct UDisks : ::testing::Test {
    QProcess daemon;
    QString address;
    QThread serviceThread;
    FakeUDisks* fake = nullptr;
    MediaTree media;
    QTemporaryDir work;
    QString runtime;
    QString imagePath;

    void SetUp() override
    {
        const QString gone = discimagetools::missing({"dbus-daemon"});
        ASSERT_TRUE(gone.isEmpty()) << qPrintable(gone);
        daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                     QStringLiteral("--print-address=1")});
        ASSERT_TRUE(daemon.waitForStarted());
        while (!daemon.canReadLine() && daemon.waitForReadyRead(10000)) {
        }
        address = QString::fromLatin1(daemon.readLine()).trimmed();
        ASSERT_FALSE(address.isEmpty()) << "dbus-daemon printed no address";
        runtime = work.filePath("run/zephane-folarium");
        media.add("ZEPHANES/53A.JPG");
        imagePath = work.filePath("disc.iso");
        QFile image(imagePath);
        ASSERT_TRUE(image.open(QIODevice::WriteOnly));
        image.write(fakeIsoBytes());
    }
    void TearDown() override
    {
        if (fake) {
            QDBusConnection::connectToBus(address, "fake-udisks")
                .unregisterObject("/org/freedesktop/UDisks2", QDBusConnection::UnregisterTree);
            QDBusConnection::disconnectFromBus("fake-udisks");
            serviceThread.quit();
            serviceThread.wait();
            delete fake;
        }
        QDBusConnection::disconnectFromBus("adapter");
        daemon.kill();
        daemon.waitForFinished();
    }
    void startService()
    {
        fake = new FakeUDisks;
        fake->mountFolder = media.path();
        fake->moveToThread(&serviceThread); // answers while the adapter waits on the main thread
        serviceThread.start();
        QDBusConnection bus = QDBusConnection::connectToBus(address, "fake-udisks");
        ASSERT_TRUE(bus.isConnected());
        ASSERT_TRUE(bus.registerService(UDisksMount::service()));
        ASSERT_TRUE(bus.registerVirtualObject("/org/freedesktop/UDisks2", fake, QDBusConnection::SubPath));
    }
    std::unique_ptr<LinuxDiscImages> images(int probeMs = 2000, QString fallback = {})
    {
        std::vector<std::unique_ptr<IImageMountMethod>> methods;
        methods.push_back(
            std::make_unique<UDisksMount>(QDBusConnection::connectToBus(address, "adapter"), probeMs));
        if (!fallback.isEmpty())
            methods.push_back(std::make_unique<StubMount>(fallback));
        return std::make_unique<LinuxDiscImages>(runtime, std::move(methods));
    }
    QStringList calls()
    {
        QMutexLocker lock(&fake->mutex);
        return fake->calls;
    }
};

} // namespace

TEST_F(UDisks, ImageIsSetUpAsAReadOnlyLoopDeviceMountedAndLetGoAtTheEnd)
{
    startService();
    fake->unprobedMounts = 3;
    auto mounter = images();
    const IDiscImages::Mounted m = mounter->mount(imagePath);
    ASSERT_EQ(m.folder, media.path()) << qPrintable(m.error);
    {
        QMutexLocker lock(&fake->mutex);
        EXPECT_EQ(fake->image, QFileInfo(imagePath).canonicalFilePath());
        EXPECT_TRUE(fake->openedReadOnly);
        EXPECT_EQ(fake->loopOptions.value("read-only"), QVariant(true));
        EXPECT_EQ(fake->mountOptions.value("options"), QVariant("ro"));
    }
    const QList<MountRecord> records = MountRecords(runtime + "/mounts").all();
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records.first().method, "udisks2");
    EXPECT_EQ(records.first().handle, kLoop);

    mounter->releaseAll();
    EXPECT_EQ(calls(),
              (QStringList{"/org/freedesktop/UDisks2/Manager LoopSetup", kLoop + " Mount", kLoop + " Mount",
                           kLoop + " Mount", kLoop + " Mount", kLoop + " Unmount", kLoop + " Delete"}));
    EXPECT_TRUE(MountRecords(runtime + "/mounts").all().isEmpty());
    QMutexLocker lock(&fake->mutex);
    EXPECT_EQ(fake->unmountOptions.value("force"), QVariant(true)) << "an open file must not keep it mounted";
}

TEST_F(UDisks, ALoopDeviceWithoutAFileSystemIsDeletedAndTheErrorSaysSo)
{
    startService();
    fake->unprobedMounts = 1000;
    const IDiscImages::Mounted m = images(300)->mount(imagePath);
    EXPECT_TRUE(m.folder.isEmpty());
    EXPECT_TRUE(m.error.contains("udisks2 found no file system")) << qPrintable(m.error);
    EXPECT_EQ(calls().last(), kLoop + " Delete");
    EXPECT_TRUE(MountRecords(runtime + "/mounts").all().isEmpty());
}

TEST_F(UDisks, ARefusedMountIsReportedAndTheNextMethodIsTried)
{
    startService();
    fake->refusal = QStringLiteral("Not authorized to perform operation");
    const IDiscImages::Mounted refused = images()->mount(imagePath);
    EXPECT_TRUE(refused.error.contains("Not authorized")) << qPrintable(refused.error);
    EXPECT_TRUE(calls().contains(kLoop + " Delete"));

    MediaTree other;
    const IDiscImages::Mounted fallback = images(2000, other.path())->mount(imagePath);
    EXPECT_EQ(fallback.folder, other.path());
}

TEST_F(UDisks, WhereTheServiceDoesNotRunTheNextMethodIsUsed)
{
    QString why;
    EXPECT_FALSE(UDisksMount(QDBusConnection::connectToBus(address, "adapter")).available(&why));
    EXPECT_TRUE(why.contains("not running"));
    EXPECT_FALSE(
        UDisksMount(QDBusConnection::connectToBus("unix:path=/nonexistent/bus", "nowhere")).available(&why));
    QDBusConnection::disconnectFromBus("nowhere");
    MediaTree other;
    EXPECT_EQ(images(2000, other.path())->mount(imagePath).folder, other.path());
}
