#include "serial/qt/QtMainThreadDispatcher.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace serial {

void QtMainThreadDispatcher::post(std::function<void()> task) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    QMetaObject::invokeMethod(app, std::move(task), Qt::QueuedConnection);
}

void QtMainThreadDispatcher::processPending() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

}  // namespace serial
