#pragma once
// One input of the design window: a spin box with its unit as suffix that
// takes what the design takes and says why it refuses the rest. A value the
// design refuses (a negative gap, no turns, μi below 1, a limit of the box) is
// let into the box rather than swallowed, so the user sees what was typed, and
// refusal() says in a few words why it is not used; the box keeps its last good
// value meanwhile and returns to it when the editing ends. Text that is no
// number at all is kept out as any spin box keeps it out.

#include <QDoubleSpinBox>
#include <functional>
#include <optional>

#include "calc/design.hpp"

namespace ferricalc {

class DesignField : public QDoubleSpinBox {
public:
    // `kind` selects the design's own checks (calc/design.hpp); without one the
    // box's range alone decides.
    DesignField(std::optional<DesignInput> kind, const QString& objectName, QWidget* parent);

    // Why the text as it stands is not used; empty when it is (or is being typed).
    QString refusal() const { return refusalOf(text()); }

    // Called on every edit of the text, refused or not.
    void onEdited(std::function<void()> edited);

protected:
    QValidator::State validate(QString& input, int& pos) const override;

private:
    QString refusalOf(const QString& input) const;

    std::optional<DesignInput> m_kind;
};

}  // namespace ferricalc
