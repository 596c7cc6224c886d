// The start-up baseline: the least a Qt Widgets program can do to show what the
// selector shows first, one window of the selector's size with one Chinese line
// in the Kai face, and nothing else. The start-up harness times it beside
// ferricalc with the same first-frame probe (first_frame_probe.cpp).
//
// With --selector-controls it also shows the selector's other controls, bare:
// twelve options in the Song face and two buttons in the Kai face, without the
// background, the colours, the icon or anything behind the controls. Between
// the two baselines lies what the selector's content costs in plain Qt.

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <cstring>


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

    if (argc > 1 && std::strcmp(argv[1], "--selector-controls") == 0) {
        // Named as installed here, so that no substitution is looked up for it.
        QFont song(QStringLiteral("AR PL UMing CN"));
        song.setPointSizeF(9);
        for (int index = 0; index < 12; ++index) {
            auto* option = new QRadioButton(QStringLiteral("选项 %1 型").arg(index + 1), &window);
            option->setFont(song);
            option->setGeometry(56 + 120 * (index % 4), 136 + 64 * (index / 4), 100, 25);
        }
        kai.setPointSizeF(14.25);
        for (const int left : {112, 352}) {
            auto* button = new QPushButton(QStringLiteral("确 定"), &window);
            button->setFont(kai);
            button->setGeometry(left, 328, 105, 41);
        }
    }

    window.show();
    return QApplication::exec();
}
