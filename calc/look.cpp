#include "calc/look.hpp"

#include <QApplication>
#include <QLabel>
#include <QStringList>

namespace ferricalc::look {

namespace {

QFont face(const QStringList& families, qreal pointSize)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::Serif);
    return font;
}

}  // namespace

QFont song(qreal pointSize)
{
    return face({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN")}, pointSize);
}

QFont kai(qreal pointSize)
{
    return face({QStringLiteral("楷体_GB2312"), QStringLiteral("KaiTi"), QStringLiteral("AR PL UKai CN")},
                pointSize);
}

void applyDefaultFont(QApplication& app) { app.setFont(song(9)); }

QRect fromTwips(const TwipRect& rect) { return fromTwips(rect.left, rect.top, rect.width, rect.height); }

QRect fromTwips(int left, int top, int width, int height)
{
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel};
}

void paintLabel(QLabel& label, const QColor& text, const QColor& background)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    label.setPalette(palette);
    label.setAutoFillBackground(true);
}

}  // namespace ferricalc::look
