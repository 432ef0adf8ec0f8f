#include "app/single_instance.h"

#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>

namespace listrider::app {

using namespace Qt::StringLiterals;

namespace {

constexpr int kWaitMs = 1000;
const QByteArray kRaise = "raise\n"_ba;

} // namespace

SingleInstance::SingleInstance(QObject* parent)
    : QObject(parent)
{}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::Key()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) {
        user = QString::number(::getuid());
    }
    return u"LISTRIDER-"_s + user;
}

bool SingleInstance::RaiseRunning()
{
    QLocalSocket socket;
    socket.connectToServer(Key());
    if (!socket.waitForConnected(kWaitMs)) {
        return false;
    }
    socket.write(kRaise);
    socket.waitForBytesWritten(kWaitMs);
    // The answer tells that the running window took the request.
    return socket.waitForReadyRead(kWaitMs) && socket.readAll().startsWith("ok");
}

bool SingleInstance::Listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(Key())) {
        // A socket left by a window that crashed: nobody answered RaiseRunning, so take it over.
        QLocalServer::removeServer(Key());
        if (!m_server->listen(Key())) {
            return false;
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("raise")) {
                    socket->write("ok\n");
                    socket->flush();
                    emit RaiseRequested();
                }
            });
        }
    });
    return true;
}

} // namespace listrider::app
