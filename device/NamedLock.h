#pragma once

#include <mutex>
#include <string>
#include <thread>

namespace keylume {

// A lock with a name that orders the threads of this process (recursive for
// the holding thread) and other processes (flock on a lock file). When the
// lock file cannot be opened the lock still orders this process's threads.
class NamedLock {
  public:
    NamedLock(std::string name, std::string lockFilePath);
    ~NamedLock();
    NamedLock(const NamedLock&) = delete;
    NamedLock& operator=(const NamedLock&) = delete;

    void lock();
    void unlock();

    const std::string& Name() const { return name_; }
    const std::string& FilePath() const { return filePath_; }

  private:
    std::string name_;
    std::string filePath_;
    std::recursive_mutex mutex_;
    int depth_ = 0;  // touched only by the thread holding mutex_
    int fd_ = -1;
};

// "$XDG_RUNTIME_DIR/keylume-<name>.lock", or "/tmp/keylume-<uid>-<name>.lock"
// when XDG_RUNTIME_DIR is unset or not a folder; the name made file-safe.
std::string NamedLockFilePath(const std::string& name);

// The process-wide lock of this name, its file at NamedLockFilePath on first use.
NamedLock& GetNamedLock(const std::string& name);

}  // namespace keylume
