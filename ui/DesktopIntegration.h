#pragma once
#include <QString>

class QDBusConnection;

// Calls to the desktop over the session bus. Neither waits for the desktop to
// answer: the bus daemon's own replies have a short timeout, and the service's
// arrive later as events. The variants with a connection serve other buses.

// A desktop notification from Qelvanto. False when there is no session bus or no
// notification service on it (running, or one the bus can start).
bool notifyDesktop(const QString& summary, const QString& body);
bool notifyDesktop(const QDBusConnection& bus, const QString& summary, const QString& body);

// Shows the file selected in the file manager; where no file manager answers on
// the bus, opens the file's folder instead.
void showInFileManager(const QString& path);
void showInFileManager(const QDBusConnection& bus, const QString& path);
