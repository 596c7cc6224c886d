#pragma once
// The calculator window shared by every core type, built from the core's
// descriptor: the drawing, one entry field per dimension with its caption, the
// five result rows, Calculate and Return, and the message line: in red why a
// Calculate failed, in amber what its results do not say by themselves (a
// display too coarse for Le, Ae and Ve, implausible dimensions), both cleared
// by the next Calculate. Each result's tooltip gives its unrounded value.
//
// Enter in a field moves the focus along the descriptor's chain and empties the
// next field when it is a principal dimension. Calculate hands the fields' texts
// to `calculate()` (calc/calculation.hpp) and writes back the labels it reached.
// Return, or closing the window from its title bar, destroys the window; the
// selector shows itself again when it is gone.
//
// Ctrl+C, or 复制结果 in the results' context menu, puts the core type, the
// fields and the five results they give on the clipboard as two tab-separated
// rows, which paste into a spreadsheet as a header and a line of values. A
// field or result with selected text keeps Ctrl+C for that selection.
//
// The family's standard cores fill the fields from a combo box, with the data
// sheet's figures beside the results (window/catalog_panel.hpp).
//
// 设计… opens the magnetic design of the core (window/design_window.hpp) with
// the fields of the last successful Calculate; it is enabled by a successful
// Calculate and disabled by a failed one. The one design window of a
// calculator window follows its later successful Calculates and closes with it.
// It is built, hidden, once the first successful Calculate is shown, so that
// 设计… only has to show it.

#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <array>
#include <chrono>
#include <vector>

#include "calc/calculation.hpp"
#include "cores/catalog.hpp"
#include "cores/descriptor.hpp"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace ferricalc {

class CatalogPanel;
class DesignWindow;

class TextSetters;

class CalculatorWindow : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(CalculatorWindow)

public:
    explicit CalculatorWindow(const CoreDescriptor& core, QWidget* parent = nullptr);

    const CoreDescriptor& core() const { return m_core; }

    void calculate();  // Command1_Click

    // Writes what a Calculate gave: the labels it reached, their tooltips and
    // the message line. calculate() shows the calculation of the fields.
    void showCalculation(const Calculation& result);

    // The header row and the value row that Ctrl+C copies, each ending in a line break.
    QString resultRows() const;

    // Fills the fields with a standard core of the family, as 标准型号 does.
    void chooseStandardCore(const StandardCore& core);

    // Fills the fields with texts kept with a point as decimal separator (a
    // design file's), in the descriptor's order; 标准型号 returns to the user's own.
    void setPointTexts(const QStringList& pointTexts);

    // How long after a successful Calculate the design window is built ahead.
    static constexpr std::chrono::milliseconds kDesignAheadDelay{30};

    // 设计…: opens the design window, or brings the open one forward.
    void openDesign();
    // The design window open now, or null.
    DesignWindow* designWindow() const;
    // The design window built ahead and not shown yet, or null.
    DesignWindow* designWindowAhead() const;

    ~CalculatorWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A change of language writes the last Calculate's messages and tooltips again.
    void changeEvent(QEvent* event) override;

private:
    void buildFields();
    void buildResults();
    void buildButtons();
    void moveAlongChain(std::size_t field);  // Text<n>_KeyPress with Enter
    void showMessages(const QString& failure, const QString& advice);
    Calculation calculationOfFields() const;
    QStringList fieldTexts() const;
    void buildDesignAhead();
    void buildCopy();
    void copyResults();
    bool routeCopyKey(QObject* watched, QEvent* event);

    const CoreDescriptor& m_core;
    std::vector<QLineEdit*> m_fields;  // in chain order
    std::array<QLabel*, QuantityCount> m_values{};
    QPushButton* m_calculate = nullptr;
    QPushButton* m_return = nullptr;
    QPushButton* m_design = nullptr;
    QStringList m_designTexts;  // the fields of the last successful Calculate
    QString m_designStandard;   // the standard core those fields are, or empty for the user's own
    QPointer<DesignWindow> m_designWindow;
    QPointer<DesignWindow> m_designAhead;  // built, not yet shown
    QTimer* m_designAheadTimer = nullptr;
    QLabel* m_message = nullptr;   // "messageLine": why a Calculate failed
    QLabel* m_advisory = nullptr;  // "advisoryLine": below it, in the same place
    QAction* m_copyResults = nullptr;
    CatalogPanel* m_catalog = nullptr;  // the standard cores of this family
    TextSetters* m_texts = nullptr;
    Calculation m_shown;  // the Calculate the labels and messages show
    bool m_calculated = false;
};

}  // namespace ferricalc
