#pragma once

#include <QObject>
#include <QPointer>
#include <QThread>

#include <functional>

namespace orvex {

// The one thread the window talks to the mouse on. A job runs there; its
// result comes back to the window's thread, where `done` runs. The window
// never waits for the mouse, and no event loop runs inside device code.
class DeviceThread : public QObject {
    Q_OBJECT

public:
    explicit DeviceThread(QObject* parent = nullptr);
    ~DeviceThread() override;

    template <typename Result>
    void Run(std::function<Result()> job, std::function<void(Result)> done)
    {
        QPointer<QObject> receiver(this);
        QMetaObject::invokeMethod(m_context, [job = std::move(job), done = std::move(done), receiver]() mutable {
            Result result = job();
            if (receiver) {
                QMetaObject::invokeMethod(receiver.data(), [done = std::move(done), result = std::move(result)]() mutable {
                    done(std::move(result));
                }, Qt::QueuedConnection);
            }
        }, Qt::QueuedConnection);
    }

    // Runs fn on the device thread and waits for it (used once at start-up
    // and shut-down, never while a flow may run).
    void RunAndWait(const std::function<void()>& fn);

private:
    QThread m_thread;
    QObject* m_context;
};

}  // namespace orvex
