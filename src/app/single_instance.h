// One window per user: a second start raises the running window and ends.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace listrider::app {

/// The guard of the running window, a local socket named after the program and the user.
class SingleInstance final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleInstance)

public:
    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    /// Returns the socket name: "LISTRIDER-" followed by the user's name.
    static QString Key();

    /// Asks a running window to restore itself; returns true when one answered.
    static bool RaiseRunning();

    /// Starts listening for later starts; returns false when the name cannot be taken.
    bool Listen();

signals:
    /// A later start asked the window to restore itself.
    void RaiseRequested();

private:
    QLocalServer* m_server = nullptr;
};

} // namespace listrider::app
