#pragma once
// 磁路设计: the magnetic design of one calculated core set. 设计… in a
// calculator window opens it for the fields of the last successful Calculate;
// the calculator window owns it, hands it the fields of every later successful
// Calculate, and closes it when it closes.
//
// Inputs on the left (material → μi, Bsat at 100 °C and density; the gap and
// where it is cut; turns or the inductance wanted; the peak current; an AL
// wanted), the figures on the right, and AL against the gap below them. Any
// change designs again at once: calc/design.hpp does the arithmetic and writes
// every figure, so each has the digits ferricalc-cli prints. A value the design
// refuses stays in its field with a short reason beside it, and every figure
// that depends on the inputs shows "—" until it is mended (leaving the field
// returns it to its last good value).

#include <QByteArray>
#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "calc/advisor.hpp"
#include "calc/design.hpp"
#include "calc/design_request.hpp"
#include "calc/losses.hpp"

class QButtonGroup;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QHBoxLayout;
class QKeyEvent;
class QShowEvent;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QRadioButton;

namespace ferricalc {

namespace store {
struct DesignFile;
}

class AdvisorWindow;
class AlGapPlot;
class PvPlot;
class DesignField;
struct AlGapCurves;

class DesignWindow : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(DesignWindow)

public:
    DesignWindow(const CoreDescriptor& core, const QStringList& fieldTexts, QWidget* parent);
    ~DesignWindow() override;

    // The calculator's fields after another successful Calculate: the same
    // inputs, designed for the new dimensions.
    void setFieldTexts(const QStringList& fieldTexts);

    // A window built ahead and not shown yet, about to be shown: as a window
    // built now for `fieldTexts` would be, with the place and inputs remembered now.
    void prepareToShow(const QStringList& fieldTexts);
    // Does ahead, on a window built ahead, what showing it would do first: the
    // style's polish, the layout, the native window and one drawing of every
    // control (which fills the caches of glyphs and of the style's pictures).
    void prepareAhead();

    // The catalogue's name of the standard core the calculator's fields hold
    // ("RM 8/I (Ferroxcube)"), or empty for dimensions of the user's own: the
    // AL plot shows the makers' published AL of that set.
    void setStandardCore(const QString& name);

    // Sets the inputs to a row of 磁芯选型: its material, gap, turns and wire,
    // and the requirement's current, ripple, frequency, duty and temperature.
    void applyAdvice(const Advice& advice, const Requirement& requirement);

    // 选型…: the adviser for the inductor this window designs (one per window).
    void openAdvisor();
    AdvisorWindow* advisorWindow() const;

    // 保存设计… (Ctrl+S): the core, its dimensions and every input, the losses'
    // too, as a design file written through a temporary file renamed over the
    // old one. Says in the status line where it went or why it did not.
    bool saveDesignTo(const QString& path);
    // 打开设计… (Ctrl+O): the file's core calculated in this window's calculator,
    // or, for another family, in a calculator window of its own, and its inputs
    // in that calculator's design window, which is returned (null when nothing
    // could be opened). What the file holds that this version does not take is
    // named in the status line.
    DesignWindow* openDesignFrom(const QString& path);
    // 导出 PDF…: a two-page A4 report of the core and its design (design_report.cpp).
    bool exportPdfTo(const QString& path);

    // The design as a design file holds it.
    store::DesignFile designFile();

    // The page shown: 0 the magnetic design, 1 its losses and temperature rise.
    int currentPage() const;
    void setCurrentPage(int page);

    // The AL plot's gaps: this many points per decade from 0.01 to 3 mm.
    static constexpr int kPlotPointsPerDecade = 40;

private:
    QGroupBox* buildCoreGroup();
    QGroupBox* buildMaterialGroup();
    QGroupBox* buildGapGroup();
    QGroupBox* buildAlGroup();
    QGroupBox* buildWindingGroup();
    QGroupBox* buildTargetGroup();
    DesignField* addInput(QFormLayout& form, QWidget* caption, DesignInput kind, const QString& name,
                          const QString& unit);
    DesignField* addInput(QFormLayout& form, const QString& caption, DesignInput kind, const QString& name,
                          DesignQuantity quantity);
    DesignField* addField(QFormLayout& form, QWidget* caption, DesignField* field, const DesignInputLimits& limits,
                          const QString& unit);

    // The page of losses and temperature rise (design_window_losses.cpp).
    QWidget* buildLossPage();
    // The losses' page is built when first shown (or asked for), which keeps the window quick to open.
    void ensureLossPage();
    LossInputs lossInputs() const;
    const Material* chosenMaterial() const;
    void showLosses(const Design* d, bool refused);
    void plotLosses(const LossDesign& losses, const LossInputs& in);
    QLabel* addFigure(QFormLayout& form, const QString& caption, const QString& name, const QString& tip = {});
    QLabel* addNote(QFormLayout& form, const QString& name);

    // The file commands (design_window_file.cpp) and the report (design_report.cpp).
    void buildFileMenu(QHBoxLayout& top);
    QStringList applyDesignFile(const store::DesignFile& file);
    void chooseFileToSave();
    void chooseFileToOpen();
    void chooseReportFile();
    void tell(const QString& line, bool problem);
    void keepInputs();
    void restoreInputs();
    // The size the layout asks for, then the place and inputs remembered for the family.
    void placeAndRestore();
    void applyPendingLosses();

    // Escape closes, Enter moves to the next box, Ctrl+C copies the design.
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveToNextInput();
    QString designRows() const;

    void chooseMaterial(int index);
    void materialEdited();
    void refresh();
    DesignInputs inputs() const;
    void showDesign(const Design& d, const DesignInputs& in);
    void blankDesign(const QString& reason);
    void fitHeading();
    void plot(const Design& d, const DesignInputs& in);
    void publishedPoints(AlGapCurves& curves, const DesignInputs& in) const;
    void showPath(bool closer);
    QString figure(DesignQuantity quantity, double value) const;

    const CoreDescriptor& m_core;
    std::string m_separator;
    QStringList m_fieldTexts;  // the calculator's, as the window designs them
    CoreSetResult m_set;
    bool m_built = false;   // every control exists: edits may design
    bool m_shown = false;   // shown at least once
    // What the window last restored its place and inputs from (prepareToShow).
    QByteArray m_restoredGeometry;
    QByteArray m_restoredInputs;
    bool m_filling = false;  // the window itself is writing the material's fields

    QLabel* m_heading = nullptr;
    QString m_headingText;  // whole; the heading shows what its width holds
    QLabel* m_status = nullptr;
    std::vector<std::pair<DesignField*, QLabel*>> m_inputs;  // each field and its refusal
    std::vector<std::pair<QString, QWidget*>> m_copied;       // what Ctrl+C copies: caption and figure or box
    std::size_t m_copiedBeforeLosses = 0;                      // m_copied from here on are the losses' page's

    // The core's figures.
    QLabel* m_le = nullptr;
    QLabel* m_ae = nullptr;
    QLabel* m_ve = nullptr;
    QLabel* m_amin = nullptr;
    QLabel* m_windowArea = nullptr;
    QLabel* m_areaProduct = nullptr;
    QLabel* m_mass = nullptr;
    QGroupBox* m_coreGroup = nullptr;
    QLabel* m_calculatorNote = nullptr;  // where the design's path is not the calculator's (RM)

    QComboBox* m_material = nullptr;
    DesignField* m_muI = nullptr;
    DesignField* m_bsat = nullptr;
    DesignField* m_density = nullptr;

    DesignField* m_gap = nullptr;
    QComboBox* m_gapPlace = nullptr;

    QLabel* m_alFringing = nullptr;
    QLabel* m_muEFringing = nullptr;
    QLabel* m_alNoFringing = nullptr;
    QLabel* m_muENoFringing = nullptr;
    QLabel* m_alUngapped = nullptr;
    QLabel* m_alIdeal = nullptr;
    QLabel* m_residualGap = nullptr;

    QButtonGroup* m_windingBy = nullptr;
    QRadioButton* m_byTurns = nullptr;
    QRadioButton* m_byInductance = nullptr;
    DesignField* m_turns = nullptr;
    DesignField* m_inductance = nullptr;
    DesignField* m_current = nullptr;
    QLabel* m_turnsResult = nullptr;
    QLabel* m_inductanceResult = nullptr;
    QLabel* m_peakFlux = nullptr;
    QLabel* m_peakFluxAmin = nullptr;
    QLabel* m_peakFluxMax = nullptr;
    QLabel* m_saturationCurrent = nullptr;
    QLabel* m_energy = nullptr;
    QLabel* m_saturationNote = nullptr;
    QLabel* m_windingNote = nullptr;

    DesignField* m_targetAl = nullptr;
    QLabel* m_targetGap = nullptr;
    QPushButton* m_useTargetGap = nullptr;

    AlGapPlot* m_plot = nullptr;

    // Losses and temperature rise: the second page.
    QTabBar* m_pages = nullptr;
    QStackedWidget* m_stack = nullptr;
    std::size_t m_firstLossInput = 0;  // m_inputs from here on are the losses'
    int m_fieldWidth = 0;              // of every input box, so that they line up
    DesignField* m_frequency = nullptr;
    QComboBox* m_waveform = nullptr;
    DesignField* m_duty = nullptr;
    QRadioButton* m_byRipple = nullptr;
    QRadioButton* m_byAcFlux = nullptr;
    DesignField* m_ripple = nullptr;
    DesignField* m_acFluxInput = nullptr;
    DesignField* m_temperature = nullptr;
    DesignField* m_wire = nullptr;
    DesignField* m_strands = nullptr;
    std::array<QLabel*, static_cast<std::size_t>(LossQuantity::Count)> m_lossFigures{};
    QLabel* m_lossNote = nullptr;
    PvPlot* m_pvPlot = nullptr;
    // The losses' inputs kept from the last time, given to their boxes when the page is built.
    std::array<std::string, DesignOptionCount> m_pendingLosses;
    QPointer<AdvisorWindow> m_advisor;
    std::string m_standardCore;  // the catalogue's name, empty for the user's own dimensions
};

}  // namespace ferricalc
