#include "app/about_window.hpp"

#include <QPushButton>

#include "window/drawing_view.hpp"
#include "window/look.hpp"

namespace ferricalc {

AboutWindow::AboutWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("HELP"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(look::fromTwips(0, 0, 4125, 7095).size());
    setFont(look::kai(15.75));
    QPalette background = palette();
    background.setColor(QPalette::Window, palette().color(QPalette::Base));
    setPalette(background);
    setAutoFillBackground(true);

    // The picture box is wider than the window: the credits are cut at its right edge.
    auto* credits = new DrawingView(QStringLiteral(":/art/credits.svg"), QSize(277, 381), this);
    credits->setObjectName(QStringLiteral("Picture1"));
    credits->setGeometry(look::fromTwips(0, 0, 4935, 6255));

    QPushButton* ok = look::pushButton(QStringLiteral("确定"), QStringLiteral("Command1"), 15.75, this);
    ok->setGeometry(look::fromTwips(1200, 6480, 1575, 495));
    // The window's one button has the focus, so Enter or Space closes it from the keyboard.
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
}

}  // namespace ferricalc
