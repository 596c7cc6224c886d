#pragma once
// The about window "HELP": the program's credits as a picture of text and one
// OK button. It stands on its own beside the selector and any calculator
// window; OK, or closing it from its title bar, destroys it.

#include <QWidget>

namespace ferricalc {

class AboutWindow : public QWidget {
public:
    explicit AboutWindow(QWidget* parent = nullptr);
};

}  // namespace ferricalc
