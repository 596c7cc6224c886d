// The start-up baseline: the least a Qt Widgets program can do to show what the
// selector shows first, one window of the selector's size with one Chinese line
// in the Kai face, and nothing else. The start-up harness times it beside
// ferricalc with the same first-frame probe.

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

#include "app/first_frame.hpp"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("QYX"));
    window.setFixedSize(538, 469);

    auto* prompt = new QLabel(QStringLiteral("请选择磁芯类型:"), &window);
    QFont kai;
    kai.setFamilies({QStringLiteral("楷体_GB2312"), QStringLiteral("KaiTi"), QStringLiteral("AR PL UKai CN")});
    kai.setPointSizeF(15);
    prompt->setFont(kai);
    prompt->setGeometry(16, 88, 185, 33);

    ferricalc::announceFirstFrame(window);
    window.show();
    return QApplication::exec();
}
