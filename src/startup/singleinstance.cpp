#include "startup/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace kw {

namespace {

const QByteArray kShowYourself("show\n");
constexpr int kContactMs = 1000;

} // namespace

SingleInstance::SingleInstance(QString folder, QObject *parent) : QObject(parent), m_folder(std::move(folder)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName() const
{
    // One name per folder, short enough for a socket path.
    const QByteArray path = QDir(m_folder).canonicalPath().toUtf8();
    return QStringLiteral("kwpractice-")
           + QString::fromLatin1(QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(16));
}

bool SingleInstance::acquire()
{
    m_lock = std::make_unique<QLockFile>(m_folder + QStringLiteral("/kwpractice.lock"));
    // A lock is only ever stale because the copy that took it has ended,
    // which QLockFile finds out from the process id; age never makes it so.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        QLocalSocket other;
        other.connectToServer(serverName());
        if (other.waitForConnected(kContactMs)) {
            other.write(kShowYourself);
            other.waitForBytesWritten(kContactMs);
            other.disconnectFromServer();
        }
        m_lock.reset();
        return false;
    }
    // Holding the lock, any server left under this name is a crashed copy's.
    QLocalServer::removeServer(serverName());
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this]() {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket]() {
                if (socket->readAll().startsWith(kShowYourself.trimmed()))
                    emit activationRequested();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    // Without the server the program still works; only bringing it forward
    // from a second start does not.
    m_server->listen(serverName());
    return true;
}

} // namespace kw
