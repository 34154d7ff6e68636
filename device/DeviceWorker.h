#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace keylume {

// One delayed piece of work for the worker thread.
struct WorkerTask {
    using Callback =
        std::function<void(void* userData, int arg, const uint8_t* data, int dataLength)>;
    int delayMs = 2000;
    int arg = 0;
    std::unique_ptr<uint8_t[]> data;  // freed after the callback returns
    int dataLength = 0;
    Callback callback;  // a task without one counts as no task
};

// The background thread of the main window: runs posted tasks one per pass,
// each after its delay, and calls the idle callback after every pass. With
// nothing to do it sleeps until a task is posted, Wake() is called or a stop
// is requested, instead of polling.
class DeviceWorker {
  public:
    using Callback = std::function<void(void* userData)>;
    using SleepFunction = std::function<void(std::chrono::milliseconds)>;

    // `sleep` serves the task delays; default std::this_thread::sleep_for.
    explicit DeviceWorker(SleepFunction sleep = {});
    ~DeviceWorker();  // stops and waits, then drops queued tasks unrun
    DeviceWorker(const DeviceWorker&) = delete;
    DeviceWorker& operator=(const DeviceWorker&) = delete;

    // 0 when a thread runs afterwards, 1 when it could not be created.
    int Start(void* userData);
    void SetCallbacks(Callback onIdle, Callback onStart, Callback onExit);
    // Appends a task with the delay of 2000 ms.
    void Post(WorkerTask::Callback callback, int arg);
    void Post(WorkerTask task);
    // 1 when there was a thread, 0 otherwise. Waiting from the worker thread
    // itself does not wait.
    int RequestStop(bool wait);
    // New idle work: the idle callback runs soon (within about 1 ms when idle).
    // Safe from any thread, including the worker's own callbacks.
    void Wake();

    bool HasThread() const;
    size_t QueuedTasks() const;

    // The key action queue's lock; the worker never takes it.
    std::mutex auxLock;

  private:
    void Run();

    SleepFunction sleep_;
    mutable std::mutex queueLock_;
    std::condition_variable wakeUp_;
    std::deque<WorkerTask> queue_;
    std::thread thread_;
    std::thread::id threadId_;  // default (none) when stopping or no thread
    bool threadEnded_ = true;
    bool wakePending_ = false;
    void* userData_ = nullptr;
    Callback onIdle_, onStart_, onExit_;
    std::mutex joinLock_;
};

}  // namespace keylume
