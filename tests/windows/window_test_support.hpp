#pragma once
// What the window tests share: a fresh selector per test, a watchdog that fails
// the test when any modal dialog appears (nothing in this program may block on
// one), and small helpers that reach the controls by their object names and
// drive them with real key events through the window system.

#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <memory>

#include "app/application.hpp"
#include "app/selector_window.hpp"

namespace ferricalc::testing_support {

class ModalWatchdog : public QObject {
public:
    ModalWatchdog();
    bool sawModal() const { return m_sawModal; }

private:
    QTimer m_timer;
    bool m_sawModal = false;
};

// The user's data (settings, own cores) of the tests' own, in QStandardPaths'
// test locations, emptied at the start of each test.
struct FreshUserData {
    FreshUserData();
};

// A shown, active selector and the watchdog; destroyed at the end of each test.
struct WindowSession {
    WindowSession();
    ~WindowSession();

    FreshUserData userData;
    // Selects the option with `index` and presses OK; returns the calculator window, if one opened.
    CalculatorWindow* open(int index);

    std::unique_ptr<SelectorWindow> selector;
    ModalWatchdog watchdog;
};

// Makes `window` the active window so that key events reach its focus widget.
bool activate(QWidget& window);

QLineEdit* field(QWidget& window, int textNumber);
QLabel* label(QWidget& window, int labelNumber);
QPushButton* button(QWidget& window, int commandNumber);
QRadioButton* option(SelectorWindow& selector, int index);

// Types the ASCII `text` into the window's focus widget, through the window system.
void type(QWidget& window, const QString& text);
void pressEnter(QWidget& window, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// One step of the Enter chain: with "7" in every field, Enter in Text<from> must
// move the focus to the control named `to` and empty it exactly when `emptied`,
// leaving every other field alone. Fails the running test otherwise.
void checkEnterStep(CalculatorWindow& window, int from, const QString& to, bool emptied);

// The same step in the window of option `index`, opened afresh.
void checkEnterStep(int index, int from, const QString& to, bool emptied);

// The message line after a Calculate: the failure (red, "messageLine") and the
// advice below it (amber, "advisoryLine") say `message`, those shown joined by a
// line break ("" when neither is); each shown stands inside the window, whole,
// clear of every other visible control and of the drawing.
void checkMessageLine(CalculatorWindow& window, const QString& message);

// After a successful Calculate: no message, and every value label is wide enough
// for its text, inside the window and clear of every other visible control.
void checkResultsShownWhole(CalculatorWindow& window);

// Advice on the display as these tests write it, "Le = 1203.60451 mm", with the
// no-break spaces that hold each quantity together in the window.
QString advice(const char* utf8);

// Fills the fields from "A=10 B=6 h=4" (letters as the core's captions give them).
void fill(CalculatorWindow& window, const QString& letters);

// The five value labels' texts, space-separated (empty labels included as "").
QString results(CalculatorWindow& window);

}  // namespace ferricalc::testing_support

// main() for a window test: the program's own application set-up, then the test object.
#define FERRICALC_WINDOW_TEST_MAIN(TestObject)                 \
    int main(int argc, char* argv[])                           \
    {                                                          \
        QApplication app(argc, argv);                          \
        ferricalc::configureApplication(app);                  \
        TestObject test;                                       \
        return QTest::qExec(&test, argc, argv);                \
    }
