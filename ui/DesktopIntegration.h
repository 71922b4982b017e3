#pragma once
#include <QString>

#include <functional>

class QDBusConnection;

// Calls to the desktop over the session bus, made on the window's thread: none
// waits, every answer arrives later as an event. The variants with a connection
// serve other buses.

// A desktop notification from Qelvanto. done(false) when there is no session bus
// or no notification service on it (running, or one the bus can start).
void notifyDesktop(const QString& summary, const QString& body, std::function<void(bool sent)> done = {});
void notifyDesktop(const QDBusConnection& bus, const QString& summary, const QString& body,
                   std::function<void(bool sent)> done = {});

// Shows the file selected in the file manager; where no file manager answers on
// the bus, opens the file's folder instead.
void showInFileManager(const QString& path);
void showInFileManager(const QDBusConnection& bus, const QString& path);
