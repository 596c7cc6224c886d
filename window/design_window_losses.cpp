// 损耗与温升, the design window's second page: the operating conditions and
// the wire on the left, the core and copper losses and the temperature rise in
// the middle, and Pv against B̂ on the right. calc/losses does the arithmetic
// and writes every figure, as the command line and the web page write it.

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <cmath>

#include "cores/materials.hpp"
#include "window/design_field.hpp"
#include "window/design_form.hpp"
#include "window/design_window.hpp"
#include "window/look.hpp"
#include "window/pv_plot.hpp"
#include "window/language.hpp"

namespace ferricalc {

using namespace design_form;

namespace {

// The flux axis of the Pv plot: this many points per decade from 10 to 1000 mT.
constexpr int kPvPointsPerDecade = 30;

struct LossRow {
    LossQuantity quantity;
    const char* caption;
    const char* name;
    const char* tip;
};

constexpr LossRow kLossRows[] = {
    {LossQuantity::AcFlux, "B̂ac", "acFlux", QT_TRANSLATE_NOOP("DesignWindow", "交流磁通密度的峰值：L·ΔI / (2·N·Ae)，三角波为 ΔB 的一半")},
    {LossQuantity::LossDensity, "Pv", "lossDensity", QT_TRANSLATE_NOOP("DesignWindow", "单位体积的磁芯损耗：正弦按 Steinmetz 式，三角波按 iGSE")},
    {LossQuantity::CoreLoss, QT_TRANSLATE_NOOP("DesignWindow", "磁芯损耗"), "coreLoss", "Pv × Ve"},
    {LossQuantity::MeanTurnLength, QT_TRANSLATE_NOOP("DesignWindow", "平均匝长 MLT"), "meanTurnLength", QT_TRANSLATE_NOOP("DesignWindow", "绕组填满中柱四周的窗口时一匝的平均长度")},
    {LossQuantity::Resistance, QT_TRANSLATE_NOOP("DesignWindow", "直流电阻 R_dc"), "resistance", QT_TRANSLATE_NOOP("DesignWindow", "磁芯温度下铜线的直流电阻")},
    {LossQuantity::CopperLoss, QT_TRANSLATE_NOOP("DesignWindow", "铜损"), "copperLoss", QT_TRANSLATE_NOOP("DesignWindow", "R_dc × I_rms²，I_rms² = I_dc² + ΔI²/12")},
    {LossQuantity::Fill, QT_TRANSLATE_NOOP("DesignWindow", "窗口填充率"), "fill", QT_TRANSLATE_NOOP("DesignWindow", "漆包线（IEC 60317 1 级）所占绕线窗口的比例")},
    {LossQuantity::ThermalResistance, QT_TRANSLATE_NOOP("DesignWindow", "热阻 Rth"), "thermalResistance",
     QT_TRANSLATE_NOOP("DesignWindow", "静止空气中：Rth = 53·Ve^−0.54（Ve 以 cm³ 计，Maniktala 的经验式）")},
    {LossQuantity::TemperatureRise, QT_TRANSLATE_NOOP("DesignWindow", "温升 ΔT"), "temperatureRise", QT_TRANSLATE_NOOP("DesignWindow", "Rth × (磁芯损耗 + 铜损)")},
};

std::optional<double> lossFigure(const LossDesign& d, LossQuantity quantity)
{
    switch (quantity) {
    case LossQuantity::AcFlux:
        return d.acFlux;
    case LossQuantity::LossDensity:
        return d.lossDensity;
    case LossQuantity::CoreLoss:
        return d.coreLoss;
    case LossQuantity::MeanTurnLength:
        return d.meanTurnLength;
    case LossQuantity::Resistance:
        return d.resistance;
    case LossQuantity::CopperLoss:
        return d.copperLoss;
    case LossQuantity::Fill:
        return d.fill;
    case LossQuantity::ThermalResistance:
        return d.thermalResistance;
    case LossQuantity::TemperatureRise:
        return d.temperatureRise;
    case LossQuantity::Count:
        break;
    }
    return std::nullopt;
}

}  // namespace

QWidget* DesignWindow::buildLossPage()
{
    auto* page = new QWidget(this);
    const auto input = [&](QFormLayout& form, QWidget* caption, LossInput kind, const char* name, const QString& unit) {
        return addField(form, caption, new DesignField(kind, QString::fromLatin1(name), this), boxLimits(lossInputLimits(kind)),
                        unit);
    };
    const auto caption = [this](const char* chinese) { return new QLabel(tr(chinese), this); };

    auto* conditions = new QGroupBox(tr("工作条件"), page);
    QFormLayout& conditionForm = *formIn(*conditions);
    m_frequency = input(conditionForm, caption(QT_TR_NOOP("频率 f")), LossInput::Frequency, "frequency", QStringLiteral("Hz"));
    m_frequency->setSingleStep(1000);
    m_waveform = new QComboBox(this);
    m_waveform->setObjectName(QStringLiteral("waveform"));
    m_waveform->addItem(tr("正弦"));
    m_waveform->addItem(tr("三角波"));
    m_waveform->setToolTip(tr("磁通的波形：三角波即降压、升压变换器中电感的电流纹波"));
    conditionForm.addRow(caption(QT_TR_NOOP("波形")), m_waveform);
    m_duty = input(conditionForm, caption(QT_TR_NOOP("占空比 D")), LossInput::Duty, "duty", {});
    m_duty->setSingleStep(0.05);
    m_byRipple = new QRadioButton(tr("纹波 ΔI"), this);
    m_byRipple->setObjectName(QStringLiteral("byRipple"));
    m_byAcFlux = new QRadioButton(QStringLiteral("B̂ac"), this);
    m_byAcFlux->setObjectName(QStringLiteral("byAcFlux"));
    auto* acBy = new QButtonGroup(this);
    acBy->addButton(m_byRipple);
    acBy->addButton(m_byAcFlux);
    m_byRipple->setChecked(true);
    m_ripple = input(conditionForm, m_byRipple, LossInput::Ripple, "ripple", QStringLiteral("A"));
    m_ripple->setToolTip(tr("电流纹波的峰峰值；峰值电流 Î 不变，直流电流为 Î − ΔI/2"));
    m_acFluxInput = input(conditionForm, m_byAcFlux, LossInput::AcFlux, "acFluxInput", QStringLiteral("mT"));
    m_temperature = input(conditionForm, caption(QT_TR_NOOP("磁芯温度")), LossInput::Temperature, "temperature",
                          QStringLiteral("°C"));
    setTabOrder(m_byRipple, m_ripple);
    setTabOrder(m_ripple, m_byAcFlux);
    setTabOrder(m_byAcFlux, m_acFluxInput);
    m_ripple->onEdited([this] { m_byRipple->setChecked(true); });
    m_acFluxInput->onEdited([this] { m_byAcFlux->setChecked(true); });
    connect(acBy, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool on) {
        if (on)
            refresh();
    });
    connect(m_waveform, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_duty->setEnabled(index == 1);  // a sine has no duty
        refresh();
    });
    m_duty->setEnabled(false);

    auto* wire = new QGroupBox(tr("绕组导线"), page);
    QFormLayout& wireForm = *formIn(*wire);
    m_wire = input(wireForm, caption(QT_TR_NOOP("裸铜线径")), LossInput::WireDiameter, "wire", QStringLiteral("mm"));
    m_wire->setSingleStep(0.05);
    m_strands = input(wireForm, caption(QT_TR_NOOP("股数")), LossInput::Strands, "strands", {});

    auto* figures = new QGroupBox(tr("损耗与温升"), page);
    QFormLayout& figureForm = *formIn(*figures);
    for (const LossRow& row : kLossRows)
        m_lossFigures[static_cast<std::size_t>(row.quantity)] =
            addFigure(figureForm, tr(row.caption), QString::fromLatin1(row.name), tr(row.tip));
    m_lossNote = addNote(figureForm, QStringLiteral("lossNote"));
    paintText(*m_lossNote, look::kDarkAmber);

    const std::vector<QGroupBox*> left{conditions, wire};
    alignCaptions(left);
    auto* leftColumn = new QVBoxLayout;
    for (QGroupBox* group : left)
        leftColumn->addWidget(group);
    leftColumn->addStretch(1);
    auto* middleColumn = new QVBoxLayout;
    middleColumn->addWidget(figures);
    middleColumn->addStretch(1);
    m_pvPlot = new PvPlot(page);
    auto* plotColumn = new QVBoxLayout;
    auto* plotTitle = new QLabel(tr("磁芯损耗与磁通密度"), page);
    plotTitle->setFont(look::kai(12));
    plotColumn->addWidget(plotTitle);
    plotColumn->addWidget(m_pvPlot, 1);

    auto* columns = new QHBoxLayout(page);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addLayout(leftColumn);
    columns->addLayout(middleColumn);
    columns->addLayout(plotColumn, 1);
    return page;
}

void DesignWindow::ensureLossPage()
{
    if (m_pvPlot != nullptr)
        return;
    m_copiedBeforeLosses = m_copied.size();
    QWidget* placeholder = m_stack->widget(1);
    m_stack->insertWidget(1, buildLossPage());
    m_stack->removeWidget(placeholder);
    delete placeholder;
    for (std::size_t i = m_firstLossInput; i < m_inputs.size(); ++i)
        m_inputs[i].first->setMinimumWidth(m_fieldWidth);
    applyPendingLosses();
    refresh();
}

const Material* DesignWindow::chosenMaterial() const
{
    const int index = m_material->currentIndex();
    return index > 0 ? &materials()[static_cast<std::size_t>(index - 1)] : nullptr;
}

LossInputs DesignWindow::lossInputs() const
{
    LossInputs in;
    in.frequency = m_frequency->value();
    in.waveform = m_waveform->currentIndex() == 1 ? LossWaveform::Triangle : LossWaveform::Sine;
    in.duty = m_duty->value();
    if (m_byRipple->isChecked())
        in.ripple = m_ripple->value();
    else
        in.acFlux = m_acFluxInput->value();
    in.temperature = m_temperature->value();
    in.wireDiameter = m_wire->value();
    in.strands = static_cast<int>(m_strands->value());
    return in;
}

void DesignWindow::showLosses(const Design* d, bool refused)
{
    if (m_pvPlot == nullptr)
        return;  // the page is not built yet
    LossDesign losses;
    const LossInputs in = lossInputs();
    if (d != nullptr && !refused)
        losses = designLosses(m_set.set, chosenMaterial(), *d, m_current->value(), in);
    const bool shown = d != nullptr && !refused && losses.error == LossError::None;
    for (const LossRow& row : kLossRows) {
        const std::optional<double> value = shown ? lossFigure(losses, row.quantity) : std::nullopt;
        m_lossFigures[static_cast<std::size_t>(row.quantity)]->setText(
            value ? text(lossText(row.quantity, *value, m_separator, true)) : kNone);
    }
    QStringList notes;
    if (shown) {
        if (const std::string why = lossUnavailableText(losses.coreLossUnavailable, currentLanguage()); !why.empty())
            notes << text(why);
        if (const std::string advice = lossAdviceText(losses.advice, currentLanguage()); !advice.empty())
            notes << text(advice);
    } else if (d != nullptr && !refused) {
        notes << text(lossErrorMessage(losses.error, currentLanguage()));
    }
    m_lossNote->setText(notes.join(QLatin1Char('\n')));
    if (shown)
        plotLosses(losses, in);
    else
        m_pvPlot->setCurves({});
}

void DesignWindow::plotLosses(const LossDesign& losses, const LossInputs& in)
{
    const Material* material = chosenMaterial();
    if (material == nullptr || !material->hasLossFit()) {
        m_pvPlot->setCurves({}, text(lossUnavailableText(
                                    material == nullptr ? LossUnavailable::NoMaterial : LossUnavailable::NoLossData,
                                    currentLanguage())));
        return;
    }
    PvCurves curves;
    curves.heading = tr("%1，%2，%3").arg(text(material->name), m_frequency->text(), m_waveform->currentText());
    const int points = 2 * kPvPointsPerDecade;
    for (int i = 0; i <= points; ++i) {
        const double flux = 10.0 * std::pow(10.0, 2.0 * i / points);
        curves.flux.push_back(flux);
        for (auto [temperature, pvs] : {std::pair(25.0, &curves.cool), std::pair(100.0, &curves.hot)}) {
            const CoreLossDensity pv = coreLossDensity(*material, *in.frequency, flux, in.waveform, in.duty, temperature);
            pvs->push_back(pv.pv.value_or(NAN));
        }
    }
    if (losses.acFlux && losses.lossDensity)
        curves.working = PvCurves::Point{
            *losses.acFlux, *losses.lossDensity,
            QStringLiteral(" B̂ac %1\n Pv %2\n %3 °C")
                .arg(text(lossText(LossQuantity::AcFlux, *losses.acFlux, m_separator, true)),
                     text(lossText(LossQuantity::LossDensity, *losses.lossDensity, m_separator, true)),
                     m_temperature->cleanText())};
    m_pvPlot->setCurves(std::move(curves));
}

}  // namespace ferricalc
