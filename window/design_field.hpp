#pragma once
// One input of the design window: a spin box with its unit as suffix that
// takes what the design takes and says why it refuses the rest. It reads and
// writes numbers as the calculator's fields and results do (calc/number_text:
// plain digits, the locale's decimal separator, the full-width forms a Chinese
// input method types), so its texts match every other figure on the screen.
//
// A value the design refuses (a negative gap, no turns, μi below 1, beyond a
// limit of the box) is let into the box rather than swallowed, so the user
// sees what was typed, and refusal() says in a few words why it is not used
// (the limits themselves stand in the box's tooltip). The box keeps its last
// good value meanwhile and returns to it when the editing ends. Text that is
// no number at all is kept out, as any spin box keeps it out.

#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <functional>
#include <optional>
#include <string>

#include "calc/design.hpp"
#include "calc/losses.hpp"

namespace ferricalc {

class DesignField : public QDoubleSpinBox {
    Q_DECLARE_TR_FUNCTIONS(DesignField)

public:
    // `kind` selects the design's own checks (calc/design.hpp); without one the
    // box's range alone decides.
    DesignField(std::optional<DesignInput> kind, const QString& objectName, QWidget* parent);
    // A box of the losses: calc/losses.hpp's checks.
    DesignField(LossInput kind, const QString& objectName, QWidget* parent);

    // Why the text as it stands is not used; empty when it is (or is being typed).
    QString refusal() const { return refusalOf(text()); }

    // Called on every edit of the text, refused or not.
    void onEdited(std::function<void()> edited);

    // The longest gap the core holds (a gap box's upper limit), and whether it
    // is a ring's inner circumference rather than a window's height.
    void setGapLimit(double limit, bool ring);

    // A value as the box writes it, and a text as it reads it.
    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;

protected:
    QValidator::State validate(QString& input, int& pos) const override;

private:
    QString refusalOf(const QString& input) const;
    QString numberIn(const QString& input) const;  // the text without its unit
    std::string separator() const;

    std::optional<DesignInput> m_kind;
    std::optional<LossInput> m_lossKind;
    std::optional<double> m_gapLimit;
    bool m_ring = false;
};

}  // namespace ferricalc
