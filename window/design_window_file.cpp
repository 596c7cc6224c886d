// The design window's file commands: 保存设计… and 打开设计… (a .ferricalc
// design file, store/design_file.hpp), and the inputs it keeps per family for
// the next time it opens. The dialogs are thin: saveDesignTo() and
// openDesignFrom() do the work, and say in the status line what went wrong or
// was left out.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QTabBar>
#include <algorithm>
#include <cmath>
#include <optional>

#include "cores/materials.hpp"
#include "cores/registry.hpp"
#include "store/design_file.hpp"
#include "store/settings.hpp"
#include "window/calculator_window.hpp"
#include "window/design_field.hpp"
#include "window/design_form.hpp"
#include "window/design_window.hpp"
#include "window/look.hpp"
#include "window/language.hpp"

namespace ferricalc {

using namespace design_form;

namespace {

// A design file is a few hundred bytes; a larger one is not read whole (and so not opened).
constexpr qint64 kLargestDesignFile = 1 << 20;

QString fileFilter() { return DesignWindow::tr("ferricalc 设计 (*.ferricalc)"); }

std::string pointText(const DesignField& field)
{
    return QString::number(field.value(), 'g', QLocale::FloatingPointShortest).toStdString();
}

// A number as a design file holds it: a point as decimal separator.
std::optional<double> pointNumber(const std::string& text)
{
    bool ok = false;
    const double value = QString::fromStdString(text).trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

QString folderOf(const QString& path) { return QFileInfo(path).absolutePath(); }

// What the reader left out, in the window's words.
QString ignoredItem(const std::string& item)
{
    constexpr std::string_view kNewer = "anything new in format version ";
    if (item.starts_with(kNewer))
        return DesignWindow::tr("格式版本 %1 的新内容").arg(QString::fromStdString(item.substr(kNewer.size())));
    return QString::fromStdString(item);
}

}  // namespace

// The inputs as the design uses them: a box's last good value, not a refused text being typed.
store::DesignFile DesignWindow::designFile()
{
    store::DesignFile file;
    file.core = m_core.name;
    const QString separator = QLocale().decimalPoint();
    for (QString fieldText : m_fieldTexts)
        file.fieldTexts.push_back(fieldText.replace(separator, QStringLiteral(".")).toStdString());
    auto& texts = file.design;
    if (const Material* material = chosenMaterial()) {
        texts[MaterialOption] = material->name;
    } else {
        texts[MuIOption] = pointText(*m_muI);
        if (m_bsat->value() > 0.0)
            texts[BsatOption] = pointText(*m_bsat);
        if (m_density->value() > 0.0)
            file.density = pointText(*m_density);
    }
    texts[GapOption] = pointText(*m_gap);
    texts[GapInOption] = kGapPlaceNames[m_gapPlace->currentIndex() == 1 ? 1 : 0];
    if (m_byTurns->isChecked())
        texts[TurnsOption] = pointText(*m_turns);
    else
        texts[InductanceOption] = pointText(*m_inductance);
    texts[CurrentOption] = pointText(*m_current);
    // An AL that no gap reaches is left out: the command line would refuse the whole file for it.
    if (m_useTargetGap->isEnabled())
        texts[TargetAlOption] = pointText(*m_targetAl);
    if (m_pvPlot == nullptr) {
        // The losses' page never shown: its inputs are those kept from the last time, or as they start.
        std::copy(m_pendingLosses.begin() + kFirstLossOption, m_pendingLosses.end(), texts.begin() + kFirstLossOption);
        return file;
    }
    texts[FrequencyOption] = pointText(*m_frequency);
    const bool triangle = m_waveform->currentIndex() == 1;
    texts[WaveformOption] = kWaveformNames[triangle ? 1 : 0];
    if (triangle)
        texts[DutyOption] = pointText(*m_duty);  // a sine has none
    if (m_byRipple->isChecked())
        texts[RippleOption] = pointText(*m_ripple);
    else
        texts[AcFluxOption] = pointText(*m_acFluxInput);
    texts[TemperatureOption] = pointText(*m_temperature);
    texts[WireOption] = pointText(*m_wire);
    texts[StrandsOption] = pointText(*m_strands);
    return file;
}

// Sets the inputs to a file's texts; returns the names of those it could not take.
QStringList DesignWindow::applyDesignFile(const store::DesignFile& file)
{
    if (std::any_of(file.design.begin() + kFirstLossOption, file.design.end(), [](const auto& t) { return !t.empty(); }))
        ensureLossPage();
    QStringList ignored;
    const auto& texts = file.design;
    // One design at the end rather than one per box.
    m_built = false;
    const auto set = [&](DesignField* field, int option, std::string_view name) {
        const std::string& given = option >= 0 ? texts[static_cast<std::size_t>(option)] : file.density;
        if (given.empty())
            return false;
        const std::optional<double> value = pointNumber(given);
        if (!value || *value < field->minimum() || *value > field->maximum()) {
            ignored << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
            return false;
        }
        field->setValue(*value);
        return true;
    };
    if (!texts[MaterialOption].empty()) {
        if (const Material* material = findMaterial(texts[MaterialOption])) {
            const int index = static_cast<int>(material - materials().data()) + 1;
            m_material->setCurrentIndex(index);
            chooseMaterial(index);
        } else {
            ignored << QStringLiteral("material");
        }
    }
    // Without a table's material, or with its μi or Bsat replaced, the material
    // is the user's own (自定义), as typing them makes it; what is not given of it is unknown.
    const bool anyDesign = std::any_of(texts.begin(), texts.begin() + kFirstLossOption,
                                       [](const auto& t) { return !t.empty(); });
    if (anyDesign && (texts[MaterialOption].empty() || !texts[MuIOption].empty() || !texts[BsatOption].empty())) {
        m_material->setCurrentIndex(0);
        if (texts[MaterialOption].empty()) {
            m_bsat->setValue(0.0);
            m_density->setValue(0.0);
        }
        set(m_muI, MuIOption, "mu_i");
        set(m_bsat, BsatOption, "bsat");
        set(m_density, -1, "density");
    }
    set(m_gap, GapOption, "gap");
    if (const std::string& place = texts[GapInOption]; !place.empty()) {
        if (place == kGapPlaceNames[0] || place == "center")
            m_gapPlace->setCurrentIndex(0);
        else if (place == kGapPlaceNames[1])
            m_gapPlace->setCurrentIndex(1);
        else
            ignored << QStringLiteral("gap_in");
    }
    if (set(m_turns, TurnsOption, "turns"))
        m_byTurns->setChecked(true);
    if (set(m_inductance, InductanceOption, "inductance"))
        m_byInductance->setChecked(true);
    set(m_current, CurrentOption, "current");
    set(m_targetAl, TargetAlOption, "target_al");
    set(m_frequency, FrequencyOption, "frequency");
    if (const std::string& waveform = texts[WaveformOption]; !waveform.empty()) {
        if (waveform == kWaveformNames[0])
            m_waveform->setCurrentIndex(0);
        else if (waveform == kWaveformNames[1])
            m_waveform->setCurrentIndex(1);
        else
            ignored << QStringLiteral("waveform");
    }
    set(m_duty, DutyOption, "duty");
    if (set(m_ripple, RippleOption, "ripple"))
        m_byRipple->setChecked(true);
    if (set(m_acFluxInput, AcFluxOption, "b_ac"))
        m_byAcFlux->setChecked(true);
    set(m_temperature, TemperatureOption, "temperature");
    set(m_wire, WireOption, "wire");
    set(m_strands, StrandsOption, "strands");
    m_built = true;
    refresh();
    return ignored;
}

bool DesignWindow::saveDesignTo(const QString& path)
{
    ensureLossPage();
    const QByteArray bytes = store::writeDesignFile(designFile());
    // Written beside and renamed over the old file: a full disk or a kill leaves the old one whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        tell(tr("未能保存 %1：%2").arg(QDir::toNativeSeparators(path), file.errorString()), true);
        return false;
    }
    store::Settings().setLastFolder(folderOf(path));
    tell(tr("已保存到 %1").arg(QDir::toNativeSeparators(path)), false);
    return true;
}

DesignWindow* DesignWindow::openDesignFrom(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        tell(tr("未能打开 %1：%2").arg(QDir::toNativeSeparators(path), file.errorString()), true);
        return nullptr;
    }
    const store::DesignFileRead read = store::readDesignFile(file.read(kLargestDesignFile), currentLanguage());
    if (!read.problem.empty()) {
        tell(tr("未能打开 %1：%2").arg(QFileInfo(path).fileName(), QString::fromStdString(read.problem)),
             true);
        return nullptr;
    }
    store::Settings().setLastFolder(folderOf(path));

    // The file's family in this window's calculator, another in a calculator window of its own.
    const CoreDescriptor& core = *findCoreType(read.file.core);
    auto* calculator = dynamic_cast<CalculatorWindow*>(parentWidget());
    if (calculator == nullptr || calculator->core().name != core.name) {
        calculator = new CalculatorWindow(core);
        calculator->show();
    }
    QStringList fieldTexts;
    for (const std::string& fieldText : read.file.fieldTexts)
        fieldTexts << QString::fromStdString(fieldText);
    calculator->setPointTexts(fieldTexts);
    calculator->calculate();
    calculator->openDesign();
    DesignWindow* design = calculator->designWindow();
    if (design == nullptr) {
        tell(tr("%1 的尺寸不能计算：见 %2 的计算窗口")
                 .arg(QFileInfo(path).fileName(), descriptorText(core.optionCaption)),
             true);
        return nullptr;
    }
    QStringList ignored;
    for (const std::string& item : read.ignored)
        ignored << ignoredItem(item);
    design->m_pendingLosses = {};  // the file's losses, not those kept from the last time
    ignored << design->applyDesignFile(read.file);
    if (!ignored.isEmpty())
        design->tell(tr("已打开 %1，忽略了：%2").arg(QFileInfo(path).fileName(), ignored.join(tr("、"))),
                     true);
    else
        design->tell(tr("已打开 %1").arg(QFileInfo(path).fileName()), false);
    design->raise();
    design->activateWindow();
    return design;
}

void DesignWindow::chooseFileToSave()
{
    store::Settings settings;
    const QString folder = settings.lastFolder().isEmpty() ? QDir::homePath() : settings.lastFolder();
    const QString suggested = QDir(folder).filePath(text(m_core.name) + text(store::kDesignFileSuffix));
    QString path = QFileDialog::getSaveFileName(this, tr("保存设计"), suggested, fileFilter());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += text(store::kDesignFileSuffix);
    saveDesignTo(path);
}

void DesignWindow::chooseFileToOpen()
{
    const QString folder = store::Settings().lastFolder();
    const QString path = QFileDialog::getOpenFileName(this, tr("打开设计"),
                                                      folder.isEmpty() ? QDir::homePath() : folder, fileFilter());
    if (!path.isEmpty())
        openDesignFrom(path);
}

void DesignWindow::tell(const QString& line, bool problem)
{
    m_status->setText(line);
    paintText(*m_status, problem ? look::kDarkRed : palette().color(QPalette::WindowText));
}

// The inputs as the window last had them for this family, kept when it closes.
void DesignWindow::keepInputs()
{
    store::Settings().setLastDesign(text(m_core.name), store::writeDesignFile(designFile()));
}

void DesignWindow::restoreInputs()
{
    const QByteArray kept = store::Settings().lastDesign(text(m_core.name));
    m_restoredInputs = kept;
    if (kept.isEmpty())
        return;
    store::DesignFileRead read = store::readDesignFile(kept, currentLanguage());
    if (!read.problem.empty() || read.file.core != m_core.name)
        return;
    // The losses wait for their page, so that the window opens as quickly as without them.
    if (m_pvPlot == nullptr) {
        std::move(read.file.design.begin() + kFirstLossOption, read.file.design.end(),
                  m_pendingLosses.begin() + kFirstLossOption);
        std::fill(read.file.design.begin() + kFirstLossOption, read.file.design.end(), std::string());
    }
    applyDesignFile(read.file);
}

void DesignWindow::applyPendingLosses()
{
    if (std::all_of(m_pendingLosses.begin(), m_pendingLosses.end(), [](const auto& t) { return t.empty(); }))
        return;
    store::DesignFile losses;
    std::swap(losses.design, m_pendingLosses);
    applyDesignFile(losses);
}

}  // namespace ferricalc
