#pragma once

#include <QObject>

#include <memory>

class QLocalServer;
class QLockFile;

namespace orvex {

// One configurator per user: the first start listens on a local socket; a
// second start finds it, asks it to restore and raise its window, and exits.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when another instance answered (and was asked to raise itself);
    // this process should then end. Otherwise this instance starts listening.
    bool HandOverToRunningInstance();

Q_SIGNALS:
    void raiseRequested();

private:
    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};

}  // namespace orvex
