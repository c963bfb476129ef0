#include "program/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

QString serverNameFor(const QString &folder)
{
    const QByteArray hash = QCryptographicHash::hash(QDir(folder).absolutePath().toUtf8(),
                                                     QCryptographicHash::Sha1);
    return QStringLiteral("quorvel-") + QString::fromLatin1(hash.toHex().left(16));
}

} // namespace

SingleInstance::SingleInstance(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_serverName(serverNameFor(folder))
    , m_lock(folder + QStringLiteral("/quorvel.lock"))
{
    m_lock.setStaleLockTime(0); // a lock left by a crashed run is taken over
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    if (!m_lock.tryLock(100))
        return false;
    m_server = new QLocalServer(this);
    QLocalServer::removeServer(m_serverName);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            emit activationRequested();
        }
    });
    m_server->listen(m_serverName);
    return true;
}

bool SingleInstance::notifyRunning()
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(1000))
        return false;
    socket.disconnectFromServer();
    return true;
}
