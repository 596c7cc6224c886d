// The start-up probe of the timing harness, linked only into the benchmark's
// programs (ferricalc_probed, which is the program built from app/main.cpp
// with this file beside it, and the bare Qt baselines); the installed
// ferricalc has no part of it.
//
// When the application object is made, it starts to watch for the first paint
// of a window. Once that whole frame is out, it writes the line "first-frame"
// to standard output and stops the process (SIGSTOP), so that the harness
// reads its memory at that very moment before it kills it; with
// FERRICALC_FIRST_FRAME=exit it ends the process there instead, for a profiler.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <csignal>
#include <cstdlib>
#include <unistd.h>

namespace {

class FirstFrameWatch : public QObject {
public:
    explicit FirstFrameWatch(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto* widget = qobject_cast<const QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget != nullptr && widget->isWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            // The window paints first, then its children, and the frame is flushed
            // to the screen before control returns to the event loop: a queued call
            // runs once the whole frame is out.
            QMetaObject::invokeMethod(this, &FirstFrameWatch::announce, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static void announce()
    {
        static constexpr char kLine[] = "first-frame\n";
        if (::write(STDOUT_FILENO, kLine, sizeof kLine - 1) != static_cast<ssize_t>(sizeof kLine - 1))
            return;
        if (qgetenv("FERRICALC_FIRST_FRAME") == "exit")
            std::_Exit(0);
        std::raise(SIGSTOP);
    }
};

void watchForTheFirstFrame()
{
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new FirstFrameWatch(app));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForTheFirstFrame)
