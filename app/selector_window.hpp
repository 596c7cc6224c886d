#pragma once
// The selector: the program's main window. It lists the twelve core types as
// one group of options; OK hides the selector and opens the chosen type's
// calculator window, whose Return (or title-bar close) brings the selector back
// with its choice kept. The selector opens where it last was, with the
// family last opened chosen. A double-click on the notice line opens the about
// window while UYF, UI or EI is chosen. Exit, or closing the selector, ends the
// program and closes every other window.

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <array>

#include "app/about_window.hpp"
#include "window/calculator_window.hpp"
#include "cores/registry.hpp"

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace ferricalc {

class SelectorWindow : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(SelectorWindow)

public:
    explicit SelectorWindow(QWidget* parent = nullptr);
    ~SelectorWindow() override;

    // The calculator window open now, or null.
    CalculatorWindow* calculatorWindow() const { return m_calculator; }
    // The about window open now, or null.
    AboutWindow* aboutWindow() const { return m_about; }

    void confirm();    // Command1_Click
    void exit();       // Command2_Click
    void showAbout();  // Label1_DblClick

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void buildOptions();
    // Where the selector was and the family last chosen: read once the first
    // frame is out, so that nothing is added to the start-up, and kept at OK and Exit.
    void restoreRemembered();
    void keepRemembered();

    QButtonGroup* m_options = nullptr;
    std::array<QRadioButton*, kCoreTypeCount> m_optionButtons{};
    QLabel* m_notice = nullptr;
    QPointer<CalculatorWindow> m_calculator;
    QPointer<AboutWindow> m_about;
    bool m_exiting = false;
    bool m_painted = false;
};

}  // namespace ferricalc
