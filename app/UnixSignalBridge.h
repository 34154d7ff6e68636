#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace keylume {

// Carries SIGTERM, SIGINT, SIGUSR1 and SIGUSR2 into the Qt event loop through
// a self-pipe: the handler only writes the signal number, the loop reads it
// and emits the matching Qt signal on the UI thread. One bridge per process.
class UnixSignalBridge : public QObject {
    Q_OBJECT
  public:
    explicit UnixSignalBridge(QObject* parent = nullptr);
    ~UnixSignalBridge() override;  // restores the default dispositions

    // False when the pipe or the handlers could not be set up.
    bool IsActive() const { return active_; }

  signals:
    void terminateRequested();  // SIGTERM, SIGINT: end as closing the main window does
    void unplugRequested();     // SIGUSR1: unplug the simulated keyboard
    void plugRequested();       // SIGUSR2: plug it in again

  private:
    void OnReadable();

    bool active_ = false;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace keylume
