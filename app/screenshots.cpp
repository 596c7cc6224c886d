// Renders the program's windows to PNG files, as a person would see them, for
// review and for the README: the selector, then each built calculator window
// after a Calculate of a realistic core.
//
// Usage: ferricalc-screenshots OUTPUT_DIRECTORY

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>

#include "app/application.hpp"
#include "app/selector_window.hpp"

namespace {

struct Example {
    int option;
    const char* letters;  // letter=text pairs typed into the fields
    const char* file;     // PNG name without extension
};

constexpr Example kExamples[] = {
    {0, "A=10 B=6 h=4", "ring"},
    {0, "A=10 B=abc h=4", "ring-failure"},
};

bool save(QWidget& window, const QString& path)
{
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ferricalc::configureApplication(app);
    if (argc != 2) {
        std::fprintf(stderr, "usage: ferricalc-screenshots OUTPUT_DIRECTORY\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path()))
        return 1;

    ferricalc::SelectorWindow selector;
    selector.show();
    bool ok = save(selector, out.filePath(QStringLiteral("selector.png")));

    for (const Example& example : kExamples) {
        selector.findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(example.option))->setChecked(true);
        selector.confirm();
        ferricalc::CalculatorWindow* window = selector.calculatorWindow();
        if (!window)
            continue;
        for (const QString& pair : QString::fromUtf8(example.letters).split(QLatin1Char(' '))) {
            const QString letter = pair.section(QLatin1Char('='), 0, 0);
            for (std::size_t i = 0; i < window->core().fields.size(); ++i) {
                const auto& field = window->core().fields[i];
                if (QString::fromUtf8(field.letter.data(), static_cast<qsizetype>(field.letter.size())) == letter)
                    window->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(field.textNumber))
                        ->setText(pair.section(QLatin1Char('='), 1));
            }
        }
        window->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        ok = save(*window, out.filePath(QString::fromUtf8(example.file) + QStringLiteral(".png"))) && ok;
        window->close();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return ok ? 0 : 1;
}
