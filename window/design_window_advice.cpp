// 选型… in the design window: the adviser for the inductor the window designs,
// and a row of its table brought back as a design.

#include <QComboBox>
#include <QRadioButton>
#include <QTabBar>

#include "cores/materials.hpp"
#include "window/advisor_window.hpp"
#include "window/calculator_window.hpp"
#include "window/design_field.hpp"
#include "window/design_window.hpp"

namespace ferricalc {

namespace {

// A row opens in a calculator window of its own: the core chosen from the
// catalogue and calculated, its design set to the row.
void openAdvice(const Advice& advice, const Requirement& requirement)
{
    auto* calculator = new CalculatorWindow(*advice.family);
    calculator->chooseStandardCore(*advice.core);
    calculator->show();
    calculator->calculate();
    calculator->openDesign();
    if (DesignWindow* design = calculator->designWindow())
        design->applyAdvice(advice, requirement);
}

}  // namespace

void DesignWindow::openAdvisor()
{
    if (m_advisor) {
        m_advisor->raise();
        m_advisor->activateWindow();
        return;
    }
    // The requirement is the inductor as designed here: its inductance, current and losses' conditions.
    ensureLossPage();
    Requirement r;
    r.inductance = m_inductance->value();
    if (m_set.formed())
        if (const Design d = design(m_set.set, inputs()); d.error == DesignError::None && d.inductance)
            r.inductance = *d.inductance;
    r.peakCurrent = m_current->value();
    r.ripple = m_ripple->value();
    r.frequency = m_frequency->value();
    r.duty = m_duty->value();
    r.temperature = m_temperature->value();
    m_advisor = new AdvisorWindow(r, chosenMaterial(), openAdvice, this);
    m_advisor->show();
}

AdvisorWindow* DesignWindow::advisorWindow() const { return m_advisor; }

void DesignWindow::applyAdvice(const Advice& advice, const Requirement& requirement)
{
    ensureLossPage();
    const int material = static_cast<int>(advice.material - materials().data()) + 1;
    m_material->setCurrentIndex(material);
    chooseMaterial(material);
    m_gap->setValue(advice.gap);
    m_byTurns->setChecked(true);
    m_turns->setValue(advice.turns);
    m_current->setValue(requirement.peakCurrent);
    m_frequency->setValue(requirement.frequency);
    m_waveform->setCurrentIndex(1);  // the ripple's triangle
    m_duty->setValue(requirement.duty);
    m_byRipple->setChecked(true);
    m_ripple->setValue(requirement.ripple);
    m_temperature->setValue(requirement.temperature);
    if (advice.wire > 0.0)
        m_wire->setValue(advice.wire);
    m_strands->setValue(requirement.strands);
    m_pages->setCurrentIndex(1);  // the losses the row was chosen by
}

}  // namespace ferricalc
