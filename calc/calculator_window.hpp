#pragma once
// The calculator window shared by every core type, built from the core's
// descriptor: the drawing, one entry field per dimension with its caption, the
// five result rows, Calculate and Return, and a message line that explains a
// failed Calculate.
//
// Enter in a field moves the focus along the descriptor's chain and empties the
// next field when it is a principal dimension. Calculate hands the fields' texts
// to `calculate()` (calc/calculation.hpp) and writes back the labels it reached.
// Return, or closing the window from its title bar, destroys the window; the
// selector shows itself again when it is gone.

#include <QWidget>
#include <array>
#include <vector>

#include "cores/descriptor.hpp"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ferricalc {

class CalculatorWindow : public QWidget {
public:
    explicit CalculatorWindow(const CoreDescriptor& core, QWidget* parent = nullptr);

    const CoreDescriptor& core() const { return m_core; }

    void calculate();  // Command1_Click

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFields();
    void buildResults();
    void buildButtons();
    void moveAlongChain(std::size_t field);  // Text<n>_KeyPress with Enter
    void showFailure(const QString& message);

    const CoreDescriptor& m_core;
    std::vector<QLineEdit*> m_fields;  // in chain order
    std::array<QLabel*, QuantityCount> m_values{};
    QPushButton* m_calculate = nullptr;
    QPushButton* m_return = nullptr;
    QLabel* m_message = nullptr;
};

}  // namespace ferricalc
