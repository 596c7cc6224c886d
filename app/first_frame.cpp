#include "app/first_frame.hpp"

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace ferricalc {

namespace {

class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWidget& window, bool exitAfter) : QObject(&window), m_exitAfter(exitAfter)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The window paints first, then its children, and the frame is flushed
            // to the screen before control returns to the event loop: a queued call
            // runs once the whole frame is out.
            QMetaObject::invokeMethod(this, &FirstFrameWatch::announce, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void announce()
    {
        static constexpr char kLine[] = "first-frame\n";
        if (::write(STDOUT_FILENO, kLine, sizeof kLine - 1) != static_cast<ssize_t>(sizeof kLine - 1))
            return;
        if (m_exitAfter)
            std::_Exit(0);
        std::raise(SIGSTOP);
    }

    bool m_exitAfter;
};

}  // namespace

void announceFirstFrame(QWidget& window)
{
    static constexpr char kVariable[] = "FERRICALC_ANNOUNCE_FIRST_FRAME";
    if (qEnvironmentVariableIsSet(kVariable))
        new FirstFrameWatch(window, qgetenv(kVariable) == "exit");
}

}  // namespace ferricalc
