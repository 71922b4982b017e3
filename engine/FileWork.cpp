#include "engine/FileWork.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

namespace engine {

namespace {

class FileWorkers {
public:
    void run(std::function<void()> work)
    {
        std::unique_lock lock(mutex_);
        queue_.push_back(std::move(work));
        if (idle_ > 0) {
            wake_.notify_one();
            return;
        }
        if (threads_ < kMostThreads) {
            try {
                std::thread([this] { serve(); }).detach();
                ++threads_;
                ++idle_; // counted idle until it takes its first call
                return;
            } catch (const std::system_error&) {
                // No thread now; an existing one takes the call when free.
            }
        }
        if (threads_ > 0)
            return;
        // Not one thread exists: the call runs here rather than never.
        std::function<void()> now = std::move(queue_.back());
        queue_.pop_back();
        lock.unlock();
        now();
    }

private:
    // A few at once: one call held by a hung mount leaves the others free.
    static constexpr int kMostThreads = 4;

    void serve()
    {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return !queue_.empty(); });
            std::function<void()> work = std::move(queue_.front());
            queue_.pop_front();
            --idle_;
            lock.unlock();
            work();
            work = nullptr;
            lock.lock();
            ++idle_;
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> queue_;
    int threads_ = 0;
    int idle_ = 0;
};

FileWorkers& workers()
{
    static auto* w = new FileWorkers; // never destroyed: a hung call must not hold the exit
    return *w;
}

} // namespace

void runFileWork(std::function<void()> work)
{
    workers().run(std::move(work));
}

} // namespace engine
