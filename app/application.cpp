#include "app/application.hpp"

#include <QApplication>

#include "calc/look.hpp"

namespace ferricalc {

void configureApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("ferricalc"));
    QApplication::setApplicationVersion(QStringLiteral(FERRICALC_VERSION));
    // The selector is hidden while a calculator window is open, so the program
    // ends by Exit (or closing the selector), not when no window is visible.
    QApplication::setQuitOnLastWindowClosed(false);
    look::applyDefaultFont(app);
}

}  // namespace ferricalc
