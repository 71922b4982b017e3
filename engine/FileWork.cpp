#include "engine/FileWork.h"

namespace engine {

QThreadPool* fileWorkPool()
{
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool;
        // A few at once: one call held by a hung mount leaves the others free.
        p->setMaxThreadCount(4);
        return p;
    }();
    return pool;
}

} // namespace engine
