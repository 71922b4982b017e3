#pragma once
#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

#include <utility>

namespace engine {

// Threads for calls on a person's files (open, create, remove, look up): a file on
// a slow or hung mount must not hold the window. Never destroyed, so that a call
// that never returns cannot hold the program's exit either.
QThreadPool* fileWorkPool();

// Runs work() on a file-work thread, then then(result) on the main thread, unless
// context has been destroyed by then.
template <class Work, class Then>
void offThread(QObject* context, Work work, Then then)
{
    QPointer<QObject> guard(context);
    fileWorkPool()->start([guard, work = std::move(work), then = std::move(then)]() mutable {
        auto result = work();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [guard, then = std::move(then), result = std::move(result)]() mutable {
                if (guard)
                    then(std::move(result));
            },
            Qt::QueuedConnection);
    });
}

} // namespace engine
