#include "app/application.hpp"

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <array>

#include "window/look.hpp"
#include "window/prerendered.hpp"
#include "window/svg_drawing.hpp"

namespace ferricalc {

namespace {

const QString kIconResource = QStringLiteral(":/art/icon.svg");

// The sizes that title bars, task bars and switchers ask for, drawn by the build.
constexpr std::array<int, 8> kIconSides{16, 22, 24, 32, 48, 64, 128, 256};

// The program's icon, drawn for each size only when something first shows it at
// that size (an X11 window asks for every size above when it is made or gets
// the icon): the sizes above come ready-drawn from the build, any other is drawn
// from the SVG, so that no size is a scaled bitmap.
class ProgramIconEngine : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        if (size.isEmpty())
            return {};
        QPixmap drawn = normalPixmap(size);
        if (mode == QIcon::Normal || mode == QIcon::Active)
            return drawn;
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, drawn, &option);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap drawn = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), drawn);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : kIconSides)
            sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine* clone() const override { return new ProgramIconEngine; }
    QString key() const override { return QStringLiteral("ferricalc"); }

private:
    QPixmap normalPixmap(QSize size)
    {
        const int side = std::min(size.width(), size.height());
        for (const QPixmap& drawn : m_drawn)
            if (drawn.width() == side)
                return drawn;
        QImage image = prerenderedImage(prerenderedResource(kIconResource, QStringLiteral("%1px").arg(side)),
                                        QSize(side, side));
        if (image.isNull()) {
            image = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            drawSvg(kIconResource, painter, QRectF(image.rect()));
        }
        return m_drawn.emplace_back(QPixmap::fromImage(std::move(image)));
    }

    QList<QPixmap> m_drawn;
};

}  // namespace

void setProgramIcon()
{
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(QIcon(new ProgramIconEngine));
}

void configureApplication(QApplication& app, ProgramIcon icon)
{
    QApplication::setApplicationName(QStringLiteral("ferricalc"));
    QApplication::setApplicationVersion(QStringLiteral(FERRICALC_VERSION));
    // Names the installed launcher, so that a desktop shell groups the windows
    // under its entry and shows its icon and name.
    QApplication::setDesktopFileName(QStringLiteral(FERRICALC_APP_ID));
    // Every window without an icon of its own (all of them) carries the program's.
    if (icon == ProgramIcon::Now)
        setProgramIcon();
    // The selector is hidden while a calculator window is open, so the program
    // ends by Exit (or closing the selector), not when no window is visible.
    QApplication::setQuitOnLastWindowClosed(false);
    look::applyDefaultFont(app);
}

}  // namespace ferricalc
