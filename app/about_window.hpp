#pragma once
// The about window "HELP": the program's credits as a picture of text, the
// windows' language (语言 / Language: 中文 or English, kept across runs and
// applied at once to every open window) and one OK button. It stands on its
// own beside the selector and any calculator window; OK, or closing it from
// its title bar, destroys it.

#include <QCoreApplication>
#include <QWidget>

namespace ferricalc {

class AboutWindow : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(AboutWindow)

public:
    explicit AboutWindow(QWidget* parent = nullptr);
};

}  // namespace ferricalc
