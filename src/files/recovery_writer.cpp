#include "files/recovery_writer.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>

namespace pixlore {

using Clock = std::chrono::steady_clock;

struct RecoveryWriter::Shared {
    std::shared_ptr<RecoveryStore> store;
    Timing timing;
    std::mutex mutex;
    std::condition_variable wake;  // something to write, or time to stop
    std::condition_variable done;  // the last write is over
    std::optional<Session> pending;
    Clock::time_point due;  // when pending is to be written
    bool busy = false;
    bool finishing = false;
    bool finished = false;
    bool stop = false;
};

RecoveryWriter::RecoveryWriter(std::shared_ptr<RecoveryStore> store, Timing timing)
    : shared_(std::make_shared<Shared>()) {
    shared_->store = std::move(store);
    shared_->timing = timing;
    thread_ = std::thread(Run, shared_);
}

RecoveryWriter::~RecoveryWriter() {
    bool busy;
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->stop = true;
        busy = shared_->busy;
    }
    shared_->wake.notify_all();
    // The thread owns what it writes with, so it may outlive the editor.
    if (busy)
        thread_.detach();
    else
        thread_.join();
}

void RecoveryWriter::update(const Session& session) {
    bool first;
    {
        const std::lock_guard lock(shared_->mutex);
        // Counted from the first change not yet written, so that a stream of changes is
        // still written every so often.
        first = !shared_->pending;
        if (first) shared_->due = Clock::now() + shared_->timing.settle;
        shared_->pending = session;
    }
    // Later changes of a burst only replace what waits: the thread wakes when it is due
    // anyway, and waking it on each change would cost a thread switch per pointer move.
    if (first) shared_->wake.notify_all();
}

bool RecoveryWriter::finish(const Session& last, std::chrono::milliseconds limit) {
    std::unique_lock lock(shared_->mutex);
    shared_->pending = last;
    shared_->finishing = true;
    shared_->wake.notify_all();
    shared_->done.wait_for(lock, limit, [&] { return shared_->finished; });
    return shared_->finished && !shared_->pending;
}

void RecoveryWriter::Run(std::shared_ptr<Shared> s) {
    std::unique_lock lock(s->mutex);
    for (;;) {
        s->wake.wait(lock, [&] { return s->stop || s->finishing || s->pending; });
        // One write carries a whole burst of changes.
        s->wake.wait_until(lock, s->due, [&] { return s->stop || s->finishing; });
        if (s->stop) return;
        const bool last = s->finishing;
        if (s->pending) {
            const Session session = *std::exchange(s->pending, std::nullopt);
            s->busy = true;
            lock.unlock();
            const bool written = s->store->write(EncodeSession(session)) == WriteStatus::Written;
            lock.lock();
            s->busy = false;
            if (!written) {
                if (!s->pending) s->pending = session;
                s->due = std::max(s->due, Clock::now() + s->timing.retry);
            }
        }
        if (last) {
            s->finished = true;
            s->done.notify_all();
            return;
        }
    }
}

}  // namespace pixlore
