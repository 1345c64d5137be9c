#include "platform/glpng/decode_ahead.h"

#include "platform/glpng/glpng.h"

#include <condition_variable>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace glpng {
namespace {

// Decoded ahead only up to this size; a larger image is left to pngBind,
// which asks the GL for its limit before allocating the pixels.
constexpr png_uint_32 kAheadMaxSide = 4096;

bool AheadAccepts(png_uint_32 width, png_uint_32 height, int) {
    return width <= kAheadMaxSide && height <= kAheadMaxSide;
}

struct Entry {
    enum State { QUEUED, DECODING, DONE };
    std::string filename;
    State state = QUEUED;
    bool decoded = false;
    Image image;
};

// Never destroyed, so that it outlives every static object. The one thread
// waits for more work once the queue is done, and is stopped and joined only
// when the program exits: a thread ending mid-run upsets the leak checker of
// sanitizer builds.
struct Queue {
    std::mutex mutex;
    std::condition_variable done;
    std::condition_variable queued;
    std::vector<std::shared_ptr<Entry>> entries;
    std::thread worker;
    pid_t workerProcess = 0; // a forked child has no such thread to join
    bool started = false;
    bool exiting = false;
};

Queue& TheQueue() {
    static Queue* queue = new Queue;
    return *queue;
}

// Decodes from the back of the queue while the loading calls take from the
// front, so that the two meet half-way.
void Work() {
    Queue& q = TheQueue();
    std::unique_lock<std::mutex> lock(q.mutex);
    for (;;) {
        std::shared_ptr<Entry> next;
        for (auto it = q.entries.rbegin(); it != q.entries.rend() && !next; ++it)
            if ((*it)->state == Entry::QUEUED)
                next = *it;
        if (q.exiting)
            break;
        if (!next) {
            q.queued.wait(lock);
            continue;
        }
        next->state = Entry::DECODING;
        lock.unlock();
        Image image;
        const bool decoded = ReadPng(next->filename.c_str(), AheadAccepts, &image);
        lock.lock();
        next->decoded = decoded;
        next->image = std::move(image);
        next->state = Entry::DONE;
        q.done.notify_all();
    }
}

// At exit the thread finishes the image in hand and stops: nothing may run
// while the process takes itself apart.
void StopAtExit() {
    Queue& q = TheQueue();
    {
        std::lock_guard<std::mutex> lock(q.mutex);
        q.exiting = true;
        q.entries.clear();
    }
    q.queued.notify_all();
    if (q.worker.joinable() && q.workerProcess == getpid())
        q.worker.join();
}

} // namespace

bool TakeDecodedAhead(const char* filename, Image* image) {
    Queue& q = TheQueue();
    std::unique_lock<std::mutex> lock(q.mutex);
    auto it = q.entries.begin();
    while (it != q.entries.end() && (*it)->filename != filename)
        ++it;
    if (it == q.entries.end())
        return false;
    const std::shared_ptr<Entry> entry = *it;
    q.entries.erase(it);
    if (entry->state == Entry::QUEUED) {
        lock.unlock();
        return ReadPng(filename, AheadAccepts, image);
    }
    q.done.wait(lock, [&] { return entry->state == Entry::DONE; });
    lock.unlock();
    // The file may have been replaced since it was read.
    FileStamp now;
    if (!entry->decoded || !StampOf(filename, &now) || !(now == entry->image.stamp))
        return false;
    *image = std::move(entry->image);
    return true;
}

} // namespace glpng

void pngDecodeAhead(const char* const* filenames, int count) {
#ifdef PELEGESO_NO_DECODE_THREAD
    // Sanitizer builds: GCC 12's leak checker misreads the main thread's
    // dynamic TLS when another thread lives while the GL libraries load, and
    // crashes at exit. Every image is decoded by its own pngBind call there.
    (void)filenames;
    (void)count;
    return;
#endif
    glpng::Queue& q = glpng::TheQueue();
    std::lock_guard<std::mutex> lock(q.mutex);
    // A new list replaces what an earlier one left untaken.
    q.entries.clear();
    for (int i = 0; filenames && i < count; ++i) {
        if (!filenames[i])
            continue;
        auto entry = std::make_shared<glpng::Entry>();
        entry->filename = filenames[i];
        q.entries.push_back(std::move(entry));
    }
    if (q.started) {
        q.queued.notify_all();
        return;
    }
    if (q.entries.empty() || q.exiting)
        return;
    static const bool stopsAtExit = std::atexit(glpng::StopAtExit) == 0;
    if (!stopsAtExit)
        return; // without a way to stop it, no thread: pngBind decodes everything itself
    try {
        q.worker = std::thread(glpng::Work);
        q.workerProcess = getpid();
        q.started = true;
    } catch (const std::system_error&) {
        // No thread: every image is decoded by its own pngBind call.
    }
}
