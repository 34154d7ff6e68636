#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <memory>

namespace keylume {

// Makes sure one instance runs per user. The first instance holds an flock()
// on "<name>.lock" and listens on the local socket "<name>.sock", both in a
// folder only the user can reach: $XDG_RUNTIME_DIR, or else
// /tmp/keylume-<uid> created with mode 0700 (refused when it exists with
// another owner or wider rights). A later start finds the lock taken,
// connects and asks the first instance to show itself, and ends.
//
// A crash releases the flock with the process, so a stale lock file never
// blocks; a stale socket file is removed by the next first instance.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    enum class Result {
        First,       // this process is the instance; it now listens
        HandedOver,  // another instance runs; it was asked to show (when reachable)
        Failed,      // no private folder or lock file; runs without the check
    };

    // `runtimeDir` empty: the folder described above.
    explicit SingleInstance(const QString& name, const QString& runtimeDir = QString(),
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    Result Acquire();
    // Stops listening and drops the lock, so a later start is first again.
    void Release();

    QString FolderPath() const { return folder_; }
    QString LockPath() const;
    QString SocketPath() const;
    QString ErrorString() const { return error_; }

    // The folder Acquire() uses when `runtimeDir` is empty; empty with
    // `error` set when no private folder can be had.
    static QString DefaultFolder(QString* error = nullptr);

  signals:
    // A later start asked this instance to show, restore and raise its window.
    void activationRequested();

  private:
    void OnNewConnection();

    QString name_;
    QString folder_;
    QString error_;
    int lockFd_ = -1;
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace keylume
