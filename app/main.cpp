#include <QApplication>

#include "app/application.hpp"
#include "app/selector_window.hpp"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ferricalc::configureApplication(app, ferricalc::ProgramIcon::Later);
    ferricalc::SelectorWindow selector;
    selector.show();
    return QApplication::exec();
}
