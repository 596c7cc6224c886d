#pragma once
// The selector: the program's main window. It lists the twelve core types as
// one group of options; OK hides the selector and opens the chosen type's
// calculator window, whose Return (or title-bar close) brings the selector back
// with its choice kept. Exit, or closing the selector, ends the program.

#include <QPointer>
#include <QWidget>
#include <array>

#include "calc/calculator_window.hpp"
#include "cores/registry.hpp"

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace ferricalc {

class SelectorWindow : public QWidget {
public:
    explicit SelectorWindow(QWidget* parent = nullptr);
    ~SelectorWindow() override;

    // The calculator window open now, or null.
    CalculatorWindow* calculatorWindow() const { return m_calculator; }

    void confirm();  // Command1_Click
    void exit();     // Command2_Click

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildOptions();

    QButtonGroup* m_options = nullptr;
    std::array<QRadioButton*, kCoreTypeCount> m_optionButtons{};
    QPointer<CalculatorWindow> m_calculator;
    bool m_exiting = false;
};

}  // namespace ferricalc
