#include "app/event_loop_pump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace strevo {

void EventLoopPump::process_pending_events() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void EventLoopPump::wait_processing_events(std::chrono::milliseconds duration) {
    QEventLoop loop;
    QTimer::singleShot(duration, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace strevo
