#include "app/DeviceThread.h"

namespace orvex {

DeviceThread::DeviceThread(QObject* parent)
    : QObject(parent)
    , m_context(new QObject)
{
    m_thread.setObjectName(QStringLiteral("device"));
    m_context->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_context, &QObject::deleteLater);
    m_thread.start();
}

DeviceThread::~DeviceThread()
{
    m_thread.quit();
    m_thread.wait();
}

void DeviceThread::RunAndWait(const std::function<void()>& fn)
{
    QMetaObject::invokeMethod(m_context, fn, Qt::BlockingQueuedConnection);
}

}  // namespace orvex
