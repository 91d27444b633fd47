// Files written whole on a thread of their own: the caller hands the bytes over and goes on,
// the disk's flushes never hold it up.
#include <pthread.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "platform/files.h"

namespace {
struct Request {
    std::string path;
    std::string bytes;
    bool remove = false;
};

class Writer {
public:
    // A child forked while the thread works gets no thread and an unlocked queue of its own.
    Writer() {
        pthread_atfork([] { the().m_.lock(); }, [] { the().m_.unlock(); },
                       [] {
                           Writer& w = the();
                           new (&w.thread_) std::thread();  // the parent's thread is not the child's
                           w.queue_.clear();
                           w.busy_ = false;
                           w.m_.unlock();
                       });
    }
    ~Writer() {
        {
            std::lock_guard<std::mutex> lock(m_);
            stop_ = true;
        }
        cv_.notify_all();
        if (thread_.joinable()) thread_.join();
    }
    void Ask(Request r) {
        std::lock_guard<std::mutex> lock(m_);
        // A newer state of a file waiting to be written replaces the older one.
        for (Request& waiting : queue_)
            if (waiting.path == r.path) {
                waiting = std::move(r);
                return;
            }
        queue_.push_back(std::move(r));
        if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
        cv_.notify_all();
    }
    void Wait() {
        std::unique_lock<std::mutex> lock(m_);
        cv_.wait(lock, [this] { return queue_.empty() && !busy_; });
    }

private:
    void Run() {
        std::unique_lock<std::mutex> lock(m_);
        for (;;) {
            cv_.wait(lock, [this] { return stop_ || !queue_.empty(); });
            if (queue_.empty()) return;
            Request r = std::move(queue_.front());
            queue_.pop_front();
            busy_ = true;
            lock.unlock();
            if (r.remove)
                DeleteFileA(r.path.c_str());
            else
                plat_WriteFileAtomic(r.path.c_str(), r.bytes.data(), r.bytes.size());
            lock.lock();
            busy_ = false;
            cv_.notify_all();
        }
    }

    std::mutex m_;
    std::condition_variable cv_;
    std::deque<Request> queue_;
    bool busy_ = false, stop_ = false;
    std::thread thread_;

public:
    static Writer& the();
};

Writer& Writer::the() {
    static Writer w;
    return w;
}
}  // namespace

void plat_WriteFileLater(const std::string& path, std::string bytes) { Writer::the().Ask({path, std::move(bytes), false}); }
void plat_DeleteFileLater(const std::string& path) { Writer::the().Ask({path, "", true}); }
void plat_WaitForWrites() { Writer::the().Wait(); }
