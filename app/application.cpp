#include "app/application.hpp"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "calc/look.hpp"

namespace ferricalc {

namespace {

// The program's icon drawn at the sizes that title bars, task bars and
// switchers ask for, so that none of them scales a bitmap.
QIcon programIcon()
{
    QSvgRenderer drawing(QStringLiteral(":/art/icon.svg"));
    QIcon icon;
    if (!drawing.isValid())
        return icon;
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        drawing.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

void configureApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("ferricalc"));
    QApplication::setApplicationVersion(QStringLiteral(FERRICALC_VERSION));
    // Names the installed launcher, so that a desktop shell groups the windows
    // under its entry and shows its icon and name.
    QApplication::setDesktopFileName(QStringLiteral(FERRICALC_APP_ID));
    // Every window without an icon of its own (all of them) carries the program's.
    QApplication::setWindowIcon(programIcon());
    // The selector is hidden while a calculator window is open, so the program
    // ends by Exit (or closing the selector), not when no window is visible.
    QApplication::setQuitOnLastWindowClosed(false);
    look::applyDefaultFont(app);
}

}  // namespace ferricalc
