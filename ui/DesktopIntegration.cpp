#include "DesktopIntegration.h"

#include "platform/Log.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <QVariantMap>

namespace {

// The bus daemon answers its own questions at once; this only guards against a stuck one.
constexpr int kBusTimeoutMs = 1000;
// A service the bus has to start first may take a few seconds to answer.
constexpr int kServiceTimeoutMs = 10000;

const QString kNotifications = QStringLiteral("org.freedesktop.Notifications");
const QString kFileManager = QStringLiteral("org.freedesktop.FileManager1");

QDBusMessage askBus(const QDBusConnection& bus, const QString& method, const QVariantList& arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                       QStringLiteral("/org/freedesktop/DBus"),
                                                       QStringLiteral("org.freedesktop.DBus"), method);
    call.setArguments(arguments);
    return bus.call(call, QDBus::Block, kBusTimeoutMs);
}

// Someone owns the name, or the bus knows how to start its owner.
bool serviceAvailable(const QDBusConnection& bus, const QString& name)
{
    const QDBusReply<bool> owned = askBus(bus, QStringLiteral("NameHasOwner"), {name});
    if (owned.isValid() && owned.value())
        return true;
    const QDBusReply<QStringList> startable = askBus(bus, QStringLiteral("ListActivatableNames"), {});
    return startable.isValid() && startable.value().contains(name);
}

void openFolderOf(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
}

} // namespace

bool notifyDesktop(const QString& summary, const QString& body)
{
    return notifyDesktop(QDBusConnection::sessionBus(), summary, body);
}

bool notifyDesktop(const QDBusConnection& bus, const QString& summary, const QString& body)
{
    if (!bus.isConnected() || !serviceAvailable(bus, kNotifications))
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(kNotifications, QStringLiteral("/org/freedesktop/Notifications"),
                                                       kNotifications, QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral(QELVANTO_APP_ID)}};
    call.setArguments({QStringLiteral("Qelvanto"), uint(0), QStringLiteral(QELVANTO_APP_ID), summary, body,
                       QStringList(), hints, qint32(-1)});
    // Nothing waits for the answer; a refusal is only worth a debug line.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kServiceTimeoutMs), QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [](QDBusPendingCallWatcher* w) {
        if (w->isError())
            qCDebug(lcUi) << "notification refused:" << w->error().message();
        w->deleteLater();
    });
    return true;
}

void showInFileManager(const QString& path)
{
    showInFileManager(QDBusConnection::sessionBus(), path);
}

void showInFileManager(const QDBusConnection& bus, const QString& path)
{
    if (!bus.isConnected()) {
        openFolderOf(path);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kFileManager, QStringLiteral("/org/freedesktop/FileManager1"),
                                                       kFileManager, QStringLiteral("ShowItems"));
    const QString uri = QString::fromLatin1(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded());
    call.setArguments({QStringList{uri}, QString()});
    // Without a file manager the bus says so at once, and the folder opens instead.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kServiceTimeoutMs), QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [path](QDBusPendingCallWatcher* w) {
        if (w->isError()) {
            qCDebug(lcUi) << "no file manager on the bus:" << w->error().message();
            openFolderOf(path);
        }
        w->deleteLater();
    });
}
