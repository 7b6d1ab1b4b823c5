#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace orvex {
namespace {

constexpr int kConnectTimeoutMs = 500;
const char kRaiseRequest[] = "raise\n";

bool AskToRaise(const QString& serverName)
{
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(kRaiseRequest);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

}  // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent)
    , m_serverName(key + QLatin1Char('-') + qEnvironmentVariable("USER", QStringLiteral("user")))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::HandOverToRunningInstance()
{
    if (AskToRaise(m_serverName))
        return true;

    // The lock decides a race of two starts; the loser hands over.
    const QString lockPath =
        QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation)).filePath(m_serverName + QStringLiteral(".lock"));
    m_lock = std::make_unique<QLockFile>(lockPath);
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(kConnectTimeoutMs))
        return AskToRaise(m_serverName);

    QLocalServer::removeServer(m_serverName);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().startsWith("raise"))
                    Q_EMIT raiseRequested();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    m_server->listen(m_serverName);
    return false;
}

}  // namespace orvex
