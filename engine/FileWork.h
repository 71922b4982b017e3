#pragma once
#include <QCoreApplication>
#include <QPointer>

#include <functional>
#include <utility>

namespace engine {

// Runs calls on a person's files (open, create, remove, look up) on threads of
// their own: a file on a slow or hung mount must not hold the window. A few
// threads, made as needed and kept; never destroyed, so that a call that never
// returns cannot hold the program's exit either. When the system gives no
// thread at all (a process limit), the call runs at once on the caller's thread:
// late is better than never.
void runFileWork(std::function<void()> work);

// Runs work() on a file-work thread, then then(result) on the main thread, unless
// context has been destroyed by then.
template <class Work, class Then>
void offThread(QObject* context, Work work, Then then)
{
    QPointer<QObject> guard(context);
    runFileWork([guard, work = std::move(work), then = std::move(then)]() mutable {
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
