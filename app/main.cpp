#include <QApplication>

#include "app/application.hpp"
#include "app/selector_window.hpp"
#include "app/start_language.hpp"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ferricalc::configureApplication(app, ferricalc::ProgramIcon::Later);
    ferricalc::applyStartLanguage(QApplication::arguments());
    ferricalc::SelectorWindow selector;
    selector.show();
    return QApplication::exec();
}
