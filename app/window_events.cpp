#include "app/window_events.h"

#include <QCoreApplication>

namespace taalspoor {

void WindowEvents::process_pending_events() {
    memo_.show_pending();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace taalspoor
