#include "window/remembered.hpp"

#include <QWidget>
#include <QWindow>

#include "store/settings.hpp"

namespace ferricalc::remembered {

void restoreGeometry(QWidget& window)
{
    const QByteArray geometry = store::Settings().windowGeometry(window.objectName());
    if (!geometry.isEmpty())
        window.restoreGeometry(geometry);
}

void keepGeometry(const QWidget& window)
{
    if (window.windowHandle() == nullptr)
        return;  // never shown: it has no place of its own
    store::Settings().setWindowGeometry(window.objectName(), window.saveGeometry());
}

}  // namespace ferricalc::remembered
