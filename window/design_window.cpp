#include "window/design_window.hpp"

#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QImage>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QMenu>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "cores/materials.hpp"
#include "cores/published_al.hpp"
#include "store/settings.hpp"
#include "window/advisor_window.hpp"
#include "window/al_gap_plot.hpp"
#include "window/calculator_window.hpp"
#include "window/design_field.hpp"
#include "window/design_form.hpp"
#include "window/look.hpp"
#include "window/remembered.hpp"
#include "window/pv_plot.hpp"
#include "window/language.hpp"

namespace ferricalc {

using namespace design_form;

namespace {


QColor saturationColour(SaturationLevel level, const QColor& plain)
{
    switch (level) {
    case SaturationLevel::Advisory:
        return look::kDarkAmber;
    case SaturationLevel::Warning:
        return look::kDarkRed;
    case SaturationLevel::Clear:
    case SaturationLevel::Unknown:
        break;
    }
    return plain;
}

}  // namespace

DesignWindow::DesignWindow(const CoreDescriptor& core, const QStringList& fieldTexts, QWidget* parent)
    : QWidget(parent, Qt::Window), m_core(core), m_separator(QLocale().decimalPoint().toStdString())
{
    setObjectName(QStringLiteral("designWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("磁路设计 — %1").arg(descriptorText(core.optionCaption)));
    setFont(look::song(10.5));

    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("heading"));
    m_heading->setFont(look::kai(13));
    m_heading->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_heading->installEventFilter(this);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    paintText(*m_status, look::kDarkRed);

    m_plot = new AlGapPlot(this);

    const std::vector<QGroupBox*> left{buildCoreGroup(), buildMaterialGroup(), buildGapGroup(), buildTargetGroup()};
    const std::vector<QGroupBox*> middle{buildAlGroup(), buildWindingGroup()};
    auto* inputs = new QVBoxLayout;
    auto* figures = new QVBoxLayout;
    for (auto [column, groups] : {std::pair(inputs, &left), std::pair(figures, &middle)}) {
        alignCaptions(*groups);
        for (QGroupBox* group : *groups)
            column->addWidget(group);
        column->addStretch(1);
    }
    auto* columns = new QHBoxLayout;
    columns->addLayout(inputs);
    columns->addLayout(figures);
    auto* plotColumn = new QVBoxLayout;
    auto* plotTitle = new QLabel(tr("电感系数与气隙"), this);
    plotTitle->setMinimumWidth(0);
    plotTitle->setFont(look::kai(12));
    plotColumn->addWidget(plotTitle);
    plotColumn->addWidget(m_plot, 1);
    columns->addLayout(plotColumn, 1);

    // Two pages: the magnetic design, and its losses and temperature rise.
    auto* designPage = new QWidget(this);
    columns->setContentsMargins(0, 0, 0, 0);
    designPage->setLayout(columns);
    m_firstLossInput = m_inputs.size();
    m_copiedBeforeLosses = m_copied.size();
    m_stack = new QStackedWidget(this);
    m_stack->addWidget(designPage);
    m_stack->addWidget(new QWidget(this));  // the losses' page, built when first shown
    m_pages = new QTabBar(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    m_pages->addTab(tr("磁路与饱和"));
    m_pages->addTab(tr("损耗与温升"));
    m_pages->setDrawBase(false);
    connect(m_pages, &QTabBar::currentChanged, this, [this](int page) {
        if (page == 1)
            ensureLossPage();
        m_stack->setCurrentIndex(page);
    });

    // One width for every input, so the boxes line up; the widest range sets it.
    for (const auto& input : m_inputs)
        m_fieldWidth = std::max(m_fieldWidth, input.first->sizeHint().width());
    for (const auto& input : m_inputs)
        input.first->setMinimumWidth(m_fieldWidth);

    // What the window designs, and beside it why it cannot when it cannot.
    auto* top = new QHBoxLayout;
    m_heading->setMinimumWidth(0);
    m_heading->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    top->addWidget(m_heading, 2);
    top->addSpacing(24);
    top->addWidget(m_status, 3);
    top->addWidget(m_pages);
    auto* advise = new QPushButton(tr("选型…"), this);
    advise->setObjectName(QStringLiteral("adviseButton"));
    advise->setAutoDefault(false);
    advise->setToolTip(tr("按此电感的要求为每种标准磁芯设计并排序"));
    connect(advise, &QPushButton::clicked, this, &DesignWindow::openAdvisor);
    top->addWidget(advise);
    buildFileMenu(*top);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 6, 9, 9);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addWidget(m_stack, 1);

    // The table's first material; a table without one starts on 自定义.
    const int firstMaterial = m_material->count() > 1 ? 1 : 0;
    m_material->setCurrentIndex(firstMaterial);
    chooseMaterial(firstMaterial);
    m_built = true;
    setFieldTexts(fieldTexts);
    // The figures have room for their longest texts from the start, so the
    // window's least size is settled here once rather than at every keystroke.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    setMinimumSize(layout->minimumSize());
    placeAndRestore();

    auto* copy = new QAction(tr("复制设计"), this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    addAction(copy);
    connect(copy, &QAction::triggered, this, [this] { QGuiApplication::clipboard()->setText(designRows()); });
}

int DesignWindow::currentPage() const { return m_pages->currentIndex(); }

void DesignWindow::setCurrentPage(int page) { m_pages->setCurrentIndex(page); }

void DesignWindow::placeAndRestore()
{
    resize(sizeHint());
    m_restoredGeometry = store::Settings().windowGeometry(objectName());
    remembered::restoreGeometry(*this);
    restoreInputs();
    m_material->setFocus();
}

void DesignWindow::prepareToShow(const QStringList& fieldTexts)
{
    // Built for the same fields with what is remembered now, it is that window already.
    const store::Settings settings;
    if (fieldTexts == m_fieldTexts && settings.windowGeometry(objectName()) == m_restoredGeometry
        && settings.lastDesign(text(m_core.name)) == m_restoredInputs)
        return;
    setFieldTexts(fieldTexts);
    placeAndRestore();
}

void DesignWindow::prepareAhead()
{
    ensurePolished();
    layout()->activate();
    winId();
    QImage drawn(size() * devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
    drawn.setDevicePixelRatio(devicePixelRatioF());
    render(&drawn);
}

void DesignWindow::showEvent(QShowEvent* event)
{
    m_shown = true;
    QWidget::showEvent(event);
}

DesignWindow::~DesignWindow()
{
    // A spin box that loses the focus as the controls go reports an edit: it
    // must find the window still whole and nothing to design. A window built
    // ahead and never shown has neither inputs of the user's nor a place to keep.
    if (m_shown) {
        keepInputs();
        remembered::keepGeometry(*this);
    }
    m_built = false;
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

// 文件: a small menu button at the end of the top row, which keeps the window
// as narrow as before; its commands have their shortcuts in the whole window.
void DesignWindow::buildFileMenu(QHBoxLayout& top)
{
    auto* menu = new QMenu(this);
    const auto command = [&](const QString& caption, const char* name, QKeySequence keys, auto run) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, run);
        addAction(action);
        menu->addAction(action);
    };
    command(tr("打开设计…"), "openDesign", QKeySequence::Open, [this] { chooseFileToOpen(); });
    command(tr("保存设计…"), "saveDesign", QKeySequence::Save, [this] { chooseFileToSave(); });
    menu->addSeparator();
    command(tr("导出 PDF…"), "exportPdf", QKeySequence(), [this] { chooseReportFile(); });
    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("fileButton"));
    button->setText(tr("文件"));
    button->setToolTip(tr("打开、保存设计文件（Ctrl+O、Ctrl+S），导出 PDF 报告"));
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    top.addWidget(button);
}

void DesignWindow::setFieldTexts(const QStringList& fieldTexts)
{
    m_fieldTexts = fieldTexts;
    std::vector<std::string> utf8;
    QStringList dimensions;
    for (qsizetype i = 0; i < fieldTexts.size(); ++i) {
        utf8.push_back(fieldTexts[i].toStdString());
        // A field may hold a long run of digits that still reads as a number; the heading shows its start.
        constexpr qsizetype kLongest = 12;
        const QString shown = fieldTexts[i].size() > kLongest ? fieldTexts[i].left(kLongest - 1) + QChar(0x2026)
                                                              : fieldTexts[i];
        if (static_cast<std::size_t>(i) < m_core.fields.size())
            dimensions << text(m_core.fields[static_cast<std::size_t>(i)].letter) + QLatin1Char('=') + shown;
    }
    const std::vector<std::string_view> texts(utf8.begin(), utf8.end());
    m_set = coreSet(m_core, texts, m_separator);
    // Dimensions that do not calculate are not repeated: the status says what is wrong with them.
    const QString gap = currentLanguage() == Language::English ? QStringLiteral("  ") : QStringLiteral("　");
    m_headingText = m_set.formed() ? descriptorText(m_core.optionCaption) + gap + dimensions.join(QLatin1Char(' '))
                                   : descriptorText(m_core.optionCaption);
    m_heading->setToolTip(m_headingText);  // whole, where a narrow window shortens the heading
    fitHeading();

    // A ring is cut once: the gap has no other place to be.
    const bool legs = !m_set.formed() || m_set.set.shape.outerLegCount > 0;
    if (!legs)
        m_gapPlace->setCurrentIndex(0);
    m_gapPlace->setEnabled(legs);
    if (m_set.formed()) {
        // The gap box reaches as far as the core holds a gap.
        m_gap->setGapLimit(longestGap(m_set.set.shape), !legs);
        m_gap->setToolTip(tr("磁通经过一次的气隙总长；范围 %1 – %2")
                              .arg(m_gap->textFromValue(0), m_gap->textFromValue(m_gap->maximum()) + m_gap->suffix()));
    }
    refresh();
}

void DesignWindow::setStandardCore(const QString& name)
{
    const std::string chosen = name.toStdString();
    if (chosen == m_standardCore)
        return;
    m_standardCore = chosen;
    refresh();
}

void DesignWindow::showPath(bool closer)
{
    m_calculatorNote->setVisible(closer);
    m_coreGroup->setTitle(closer ? tr("磁芯（设计按背板径向磁通）") : tr("磁芯"));
}

// ---- Building -------------------------------------------------------------

DesignField* DesignWindow::addInput(QFormLayout& form, QWidget* caption, DesignInput kind, const QString& name,
                                    const QString& unit)
{
    return addField(form, caption, new DesignField(kind, name, this), designInputLimits(kind), unit);
}

DesignField* DesignWindow::addField(QFormLayout& form, QWidget* caption, DesignField* field,
                                    const DesignInputLimits& limits, const QString& unit)
{
    const QString name = field->objectName();
    field->setDecimals(limits.decimals);
    field->setRange(limits.minimum, std::isfinite(limits.maximum) ? limits.maximum : 1e5);
    field->setValue(limits.start);
    if (!unit.isEmpty())
        field->setSuffix(QLatin1Char(' ') + unit);
    field->setAlignment(Qt::AlignRight);
    field->setToolTip(tr("范围 %1 – %2").arg(field->textFromValue(field->minimum()),
                                                    field->textFromValue(field->maximum()) + field->suffix()));
    // Typing shows or clears a refusal at once; a value set by the window or
    // the arrows arrives as a value change.
    field->onEdited([this] { refresh(); });
    connect(field, &QDoubleSpinBox::valueChanged, this, &DesignWindow::refresh);
    // Leaving a refused text returns the box to its last good value without a change of value.
    connect(field, &QDoubleSpinBox::editingFinished, this, &DesignWindow::refresh);
    field->installEventFilter(this);

    // A reason wraps beside its box (a long one over two lines), so the boxes keep their room.
    auto* refusal = new QLabel(this);
    refusal->setObjectName(name + QStringLiteral("Refusal"));
    refusal->setWordWrap(true);
    refusal->setMinimumWidth(refusal->fontMetrics().horizontalAdvance(tr("不能超过窗")));
    paintText(*refusal, look::kDarkRed);
    if (auto* label = qobject_cast<QLabel*>(caption)) {
        label->setBuddy(field);  // a screen reader names the box by its caption
        m_copied.emplace_back(label->text(), field);
    } else if (auto* button = qobject_cast<QAbstractButton*>(caption)) {
        m_copied.emplace_back(button->text(), field);
    }
    auto* row = new QHBoxLayout;
    row->addWidget(field);
    row->addWidget(refusal, 1);
    form.addRow(caption, row);
    m_inputs.emplace_back(field, refusal);
    return field;
}

DesignField* DesignWindow::addInput(QFormLayout& form, const QString& caption, DesignInput kind, const QString& name,
                                    DesignQuantity quantity)
{
    return addInput(form, new QLabel(caption, this), kind, name, text(designFormat(quantity).displayUnit));
}

QLabel* DesignWindow::addFigure(QFormLayout& form, const QString& caption, const QString& name, const QString& tip)
{
    auto* value = new QLabel(kNone, this);
    value->setObjectName(name);
    // Room for a long figure from the start, so the form does not shift as figures change.
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("00000.000 mm⁴")));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* label = new QLabel(caption, this);
    label->setToolTip(tip);
    value->setToolTip(tip);
    form.addRow(label, value);
    m_copied.emplace_back(caption, value);
    return value;
}

QLabel* DesignWindow::addNote(QFormLayout& form, const QString& name)
{
    auto* note = new QLabel(this);
    note->setObjectName(name);
    note->setWordWrap(true);
    form.addRow(note);
    return note;
}

QGroupBox* DesignWindow::buildCoreGroup()
{
    // Two figures to a row: the core's figures need no input and take little room.
    auto* group = new QGroupBox(tr("磁芯"), this);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(5);
    const auto add = [&](int index, const QString& caption, const QString& name, const QString& tip) {
        auto* form = new QFormLayout;
        form->setContentsMargins(0, 0, 0, 0);
        form->setHorizontalSpacing(8);
        QLabel* value = addFigure(*form, caption, name, tip);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("000000.00 mm⁴")));
        grid->addLayout(form, index / 2, index % 2);
        return value;
    };
    m_le = add(0, QStringLiteral("Le"), QStringLiteral("le"), tr("有效磁路长度"));
    m_ae = add(1, QStringLiteral("Ae"), QStringLiteral("ae"), tr("有效截面积"));
    m_ve = add(2, QStringLiteral("Ve"), QStringLiteral("ve"), tr("有效体积"));
    m_amin = add(3, QStringLiteral("Amin"), QStringLiteral("amin"), tr("磁通经过的最小截面积"));
    m_windowArea = add(4, QStringLiteral("Aw"), QStringLiteral("windowArea"), tr("一个绕线窗口的面积"));
    m_areaProduct = add(5, QStringLiteral("Ap"), QStringLiteral("areaProduct"), tr("面积积 Ap = Ae·Aw"));
    m_mass = add(6, tr("质量"), QStringLiteral("mass"), tr("Ve × 材料密度；材料未给密度时无此值"));
    // Where the design's path is a closer model than the calculator's (RM),
    // Le, Ae and Ve carry the calculator's figure in brackets, and this says so.
    m_calculatorNote = new QLabel(tr("（）内为计算器的值"), this);
    m_calculatorNote->setObjectName(QStringLiteral("calculatorNote"));
    m_calculatorNote->setToolTip(tr(
        "设计用更接近实际的磁路：背板按其宽度 H 上的径向磁通计算，Le、Ae、Ve 与厂家数据相差约 2 %；"
        "计算器窗口按标准公式算出的 C1、C2 及其 Le、Ae、Ve 写在括号内"));
    m_calculatorNote->hide();
    grid->addWidget(m_calculatorNote, 3, 1);
    m_coreGroup = group;
    return group;
}

QGroupBox* DesignWindow::buildMaterialGroup()
{
    auto* group = new QGroupBox(tr("材料"), this);
    QFormLayout& form = *formIn(*group);
    m_material = new QComboBox(this);
    m_material->setObjectName(QStringLiteral("material"));
    m_material->addItem(tr("自定义"));
    for (const Material& material : materials()) {
        m_material->addItem(
            tr("%1（%2，%3）").arg(text(material.name), text(material.manufacturer), text(material.base)));
        // What the table knows of it, and what of that is doubtful, as its tooltip.
        QStringList about{material.hasLossFit() ? (material.lossFitFitted ? tr("损耗：按厂商曲线拟合")
                                                                          : tr("损耗：厂商公布的拟合"))
                                                : tr("无损耗拟合")};
        if (material.lossFitDoubtful)
            about << tr("损耗拟合与厂商曲线有出入");
        if (!material.doubts.empty())
            about << tr("存疑：") + text(material.doubts);
        about << tr("数据来源：OpenMagnetics MAS 与厂商数据手册");
        m_material->setItemData(m_material->count() - 1, about.join(QLatin1Char('\n')), Qt::ToolTipRole);
    }
    m_material->setMaxVisibleItems(20);
    form.addRow(new QLabel(tr("材料"), this), m_material);
    m_muI = addInput(form, tr("初始磁导率 µi"), DesignInput::MuI, QStringLiteral("muI"), DesignQuantity::MuI);
    m_bsat = addInput(form, tr("Bsat（100 °C）"), DesignInput::Bsat, QStringLiteral("bsat"),
                      DesignQuantity::Bsat);
    m_bsat->setSpecialValueText(tr("未知"));
    m_density = addInput(form, tr("密度"), DesignInput::Density, QStringLiteral("density"),
                         DesignQuantity::Density);
    m_density->setSpecialValueText(tr("未知"));

    connect(m_material, &QComboBox::activated, this, &DesignWindow::chooseMaterial);
    for (DesignField* field : {m_muI, m_bsat, m_density})
        connect(field, &QDoubleSpinBox::valueChanged, this, &DesignWindow::materialEdited);
    return group;
}

QGroupBox* DesignWindow::buildGapGroup()
{
    auto* group = new QGroupBox(tr("气隙"), this);
    QFormLayout& form = *formIn(*group);
    m_gap = addInput(form, tr("气隙 lg"), DesignInput::Gap, QStringLiteral("gap"), DesignQuantity::Gap);
    m_gap->setSingleStep(0.05);
    m_gapPlace = new QComboBox(this);
    m_gapPlace->setObjectName(QStringLiteral("gapPlace"));
    m_gapPlace->addItem(descriptorText(m_core.gappedLeg));
    m_gapPlace->addItem(tr("全部柱"));
    m_gapPlace->setToolTip(
        tr("%1：只在%1磨出气隙；全部柱：垫片使每个柱都有此气隙").arg(descriptorText(m_core.gappedLeg)));
    form.addRow(new QLabel(tr("位置"), this), m_gapPlace);
    connect(m_gapPlace, &QComboBox::currentIndexChanged, this, &DesignWindow::refresh);
    return group;
}

QGroupBox* DesignWindow::buildTargetGroup()
{
    auto* group = new QGroupBox(tr("由 AL 求气隙"), this);
    QFormLayout& form = *formIn(*group);
    m_targetAl = addInput(form, tr("目标 AL"), DesignInput::TargetAl, QStringLiteral("targetAl"),
                          DesignQuantity::TargetAl);
    m_targetGap = new QLabel(kNone, this);
    m_targetGap->setObjectName(QStringLiteral("targetGap"));
    m_targetGap->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_targetGap->setWordWrap(true);
    m_useTargetGap = new QPushButton(tr("用作气隙"), this);
    m_useTargetGap->setObjectName(QStringLiteral("useTargetGap"));
    m_useTargetGap->setAutoDefault(false);
    m_useTargetGap->setToolTip(tr("把求得的气隙填入气隙 lg"));
    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    row->addWidget(m_targetGap, 1);
    row->addWidget(m_useTargetGap);
    form.addRow(new QLabel(tr("所需气隙"), this), row);
    connect(m_useTargetGap, &QPushButton::clicked, this, [this] {
        const Design d = design(m_set.set, inputs());
        if (!d.gapForTarget || d.gapForTarget->outcome != GapForAl::Outcome::Found)
            return;
        // A found gap lies within the core's longest gap, the box's limit: the
        // box takes it as found, never clamped.
        if (d.gapForTarget->gap <= m_gap->maximum())
            m_gap->setValue(d.gapForTarget->gap);
    });
    return group;
}

QGroupBox* DesignWindow::buildAlGroup()
{
    auto* group = new QGroupBox(tr("电感系数"), this);
    QFormLayout& form = *formIn(*group);
    const QString fringing = tr("Mühlethaler 等的三维气隙磁阻模型计入气隙边缘磁通");
    m_alFringing = addFigure(form, tr("AL（计边缘磁通）"), QStringLiteral("alFringing"), fringing);
    m_alFringing->setFont(look::kai(13));
    const QString plain = tr("气隙截面取柱的截面，不计边缘磁通");
    m_alNoFringing = addFigure(form, tr("AL（不计边缘磁通）"), QStringLiteral("alNoFringing"), plain);

    // Both μe on one row, as the two AL above them: with the fringe field, then without.
    const auto muE = [&](const QString& caption, const QString& name, const QString& tip) {
        auto* value = new QLabel(kNone, this);
        value->setObjectName(name);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setToolTip(tip);
        m_copied.emplace_back(caption, value);
        return value;
    };
    m_muEFringing = muE(tr("µe（计边缘磁通）"), QStringLiteral("muEFringing"), fringing);
    m_muENoFringing = muE(tr("µe（不计边缘磁通）"), QStringLiteral("muENoFringing"), plain);
    auto* muERow = new QHBoxLayout;
    muERow->setSpacing(4);
    muERow->addWidget(m_muEFringing);
    muERow->addWidget(new QLabel(QStringLiteral("/"), this));
    muERow->addWidget(m_muENoFringing);
    muERow->addStretch(1);
    auto* muECaption = new QLabel(tr("µe（计 / 不计）"), this);
    muECaption->setToolTip(tr("有效磁导率 AL·C1/µ0：计边缘磁通 / 不计边缘磁通"));
    form.addRow(muECaption, muERow);

    const QString residual =
        tr("两半磁芯磨平的接合面从不完全贴合：每个接合面按 %1 mm 的空气隙计，与磁芯串联（中柱气隙也长这么多）；"
                       "厂家的无气隙 AL 按此模型反推为 1–6 µm。未切开的磁环没有接合面，为 0。")
            .arg(text(designValueText(DesignQuantity::ResidualGap, kResidualGap, m_separator)));
    m_alUngapped = addFigure(form, tr("AL（无气隙）"), QStringLiteral("alUngapped"),
                             tr("不磨气隙的磁芯：µ0 / (C1/µi + 剩余气隙的磁阻)"));
    m_alIdeal = addFigure(form, tr("AL（理想无气隙）"), QStringLiteral("alIdeal"),
                          tr("µ0·µi / C1：两半磁芯完全贴合、没有剩余气隙时的上限，仅供对照"));
    m_residualGap = addFigure(form, tr("剩余气隙"), QStringLiteral("residualGap"), residual);
    return group;
}

QGroupBox* DesignWindow::buildWindingGroup()
{
    auto* group = new QGroupBox(tr("绕组与磁通密度"), this);
    QFormLayout& form = *formIn(*group);
    m_byTurns = new QRadioButton(tr("匝数 N"), this);
    m_byTurns->setObjectName(QStringLiteral("byTurns"));
    m_byInductance = new QRadioButton(tr("电感 L"), this);
    m_byInductance->setObjectName(QStringLiteral("byInductance"));
    m_byInductance->setToolTip(tr("求达到此电感的最少整数匝"));
    m_windingBy = new QButtonGroup(this);
    m_windingBy->addButton(m_byTurns);
    m_windingBy->addButton(m_byInductance);
    m_byTurns->setChecked(true);
    m_turns = addInput(form, m_byTurns, DesignInput::Turns, QStringLiteral("turns"), {});
    m_inductance = addInput(form, m_byInductance, DesignInput::Inductance, QStringLiteral("inductance"),
                            text(designFormat(DesignQuantity::Inductance).displayUnit));
    setTabOrder(m_byTurns, m_turns);  // each choice, then its box
    setTabOrder(m_turns, m_byInductance);
    setTabOrder(m_byInductance, m_inductance);
    // Typing into either box makes it the one the winding follows.
    m_turns->onEdited([this] { m_byTurns->setChecked(true); });
    m_inductance->onEdited([this] { m_byInductance->setChecked(true); });
    connect(m_windingBy, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool on) {
        if (on)
            refresh();
    });

    m_turnsResult = addFigure(form, tr("→ 匝数"), QStringLiteral("turnsResult"));
    m_inductanceResult = addFigure(form, tr("→ 电感 AL·N²"), QStringLiteral("inductanceResult"));
    m_current = addInput(form, tr("峰值电流 Î"), DesignInput::Current, QStringLiteral("current"),
                         DesignQuantity::Current);
    m_current->setSingleStep(0.1);
    m_peakFlux = addFigure(form, tr("B̂（Ae）"), QStringLiteral("peakFlux"), QStringLiteral("L·Î / (N·Ae)"));
    m_peakFluxAmin = addFigure(form, tr("B̂（Amin）"), QStringLiteral("peakFluxAmin"),
                               tr("最窄截面处：B̂·Ae / Amin"));
    m_peakFluxMax = addFigure(form, QStringLiteral("B̂max"), QStringLiteral("peakFluxMax"),
                              tr("磁路中最大的磁通密度，据此判断饱和：Ae 与 Amin 处的较大者；"
                                             "磁环在内径处最大（磁场强度与半径成反比）"));
    m_saturationCurrent = addFigure(form, tr("饱和电流 Isat"), QStringLiteral("saturationCurrent"),
                                    tr("B̂max 达到 Bsat（100 °C）时的峰值电流"));
    m_energy = addFigure(form, tr("储能 ½·L·Î²"), QStringLiteral("energy"));
    m_saturationNote = addNote(form, QStringLiteral("saturationNote"));
    m_windingNote = addNote(form, QStringLiteral("windingNote"));
    paintText(*m_windingNote, look::kDarkAmber);
    return group;
}

// ---- Material ---------------------------------------------------------------

void DesignWindow::chooseMaterial(int index)
{
    if (index <= 0)
        return;  // 自定义 keeps what the fields hold
    const Material& material = materials()[static_cast<std::size_t>(index - 1)];
    m_filling = true;
    m_muI->setValue(material.muI);
    m_bsat->setValue(material.bsat100.value_or(0.0));
    m_density->setValue(material.density.value_or(0.0));
    m_filling = false;
    refresh();
}

void DesignWindow::materialEdited()
{
    if (!m_filling)
        m_material->setCurrentIndex(0);
}

// ---- Designing --------------------------------------------------------------

QString DesignWindow::figure(DesignQuantity quantity, double value) const
{
    return text(designDisplayText(quantity, value, m_separator));
}

DesignInputs DesignWindow::inputs() const
{
    DesignInputs in;
    in.muI = m_muI->value();
    if (m_bsat->value() > 0.0)
        in.bsat100 = m_bsat->value();
    if (m_density->value() > 0.0)
        in.density = m_density->value();
    in.gap = m_gap->value();
    in.gapPlace = m_gapPlace->currentIndex() == 1 ? GapPlace::AllLegs : GapPlace::CentrePost;
    if (m_byTurns->isChecked())
        in.turns = m_turns->value();
    else
        in.inductance = m_inductance->value();
    in.current = m_current->value();
    in.targetAl = m_targetAl->value();
    return in;
}

void DesignWindow::refresh()
{
    if (!m_built)
        return;
    bool refused = false;
    bool lossRefused = false;
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        const auto& [field, refusal] = m_inputs[i];
        const QString why = field->refusal();
        refusal->setText(why);
        paintText(*refusal, look::kDarkRed);
        (i < m_firstLossInput ? refused : lossRefused) |= !why.isEmpty();
    }
    // A density that looks like g/cm³ is used, and questioned beside its box.
    const auto density = std::find_if(m_inputs.begin(), m_inputs.end(),
                                      [this](const auto& input) { return input.first == m_density; });
    if (QLabel* densityNote = density->second; densityNote->text().isEmpty() && m_density->value() > 0.0) {
        densityNote->setText(text(densityQuestion(m_density->value(), currentLanguage())));
        paintText(*densityNote, look::kDarkAmber);
    }
    if (!m_set.formed()) {
        for (QLabel* figure : {m_le, m_ae, m_ve, m_amin, m_windowArea, m_areaProduct, m_mass})
            figure->setText(kNone);
        showPath(false);
        blankDesign(text(coreSetMessage(m_core, m_set, currentLanguage())));
        showLosses(nullptr, lossRefused);
        return;
    }

    // The core's own figures need no input but the density.
    DesignInputs coreOnly;
    coreOnly.density = inputs().density;
    const Design core = design(m_set.set, coreOnly);
    // The design's path, and the calculator's figure beside it where they differ.
    const auto withCalculator = [&](DesignQuantity quantity, double value, std::optional<double> calculator) {
        QString shown = figure(quantity, value);
        if (calculator)
            shown += tr("（%1）").arg(text(designValueText(quantity, *calculator, m_separator)));
        return shown;
    };
    m_le->setText(withCalculator(DesignQuantity::Le, core.le, core.calculatorLe));
    m_ae->setText(withCalculator(DesignQuantity::Ae, core.ae, core.calculatorAe));
    m_ve->setText(withCalculator(DesignQuantity::Ve, core.ve, core.calculatorVe));
    showPath(core.calculatorLe.has_value());
    m_amin->setText(figure(DesignQuantity::Amin, core.amin));
    m_windowArea->setText(figure(DesignQuantity::WindowArea, core.windowArea));
    m_areaProduct->setText(figure(DesignQuantity::AreaProduct, core.areaProduct));
    m_mass->setText(core.mass && m_density->refusal().isEmpty() ? figure(DesignQuantity::Mass, *core.mass) : kNone);

    if (refused) {
        blankDesign({});
        showLosses(nullptr, lossRefused);
        return;
    }
    const DesignInputs in = inputs();
    const Design d = design(m_set.set, in);
    if (d.error != DesignError::None) {
        blankDesign(text(designErrorMessage(d.error, currentLanguage())));
        showLosses(nullptr, lossRefused);
        return;
    }
    showDesign(d, in);
    showLosses(&d, lossRefused);
}

void DesignWindow::showDesign(const Design& d, const DesignInputs& in)
{
    m_status->clear();
    m_alFringing->setText(figure(DesignQuantity::Al, d.alFringing));
    m_muEFringing->setText(figure(DesignQuantity::MuE, d.muEFringing));
    m_alNoFringing->setText(figure(DesignQuantity::AlNoFringing, d.alNoFringing));
    m_muENoFringing->setText(figure(DesignQuantity::MuENoFringing, d.muENoFringing));
    m_alUngapped->setText(figure(DesignQuantity::AlUngapped, d.alUngapped));
    m_alIdeal->setText(figure(DesignQuantity::AlIdeal, d.alIdeal));
    m_residualGap->setText(figure(DesignQuantity::ResidualGap, d.residualGap));

    m_turnsResult->setText(d.turns ? figure(DesignQuantity::Turns, *d.turns) : kNone);
    m_inductanceResult->setText(d.inductance ? figure(DesignQuantity::Inductance, *d.inductance) : kNone);

    // B̂max, the highest flux density in the path, alone decides the colour.
    const QColor plain = palette().color(QPalette::WindowText);
    m_peakFlux->setText(d.peakFlux ? figure(DesignQuantity::PeakFlux, *d.peakFlux) : kNone);
    m_peakFluxAmin->setText(d.peakFluxAmin ? text(peakFluxAminText(d, m_separator, currentLanguage())) : kNone);
    m_peakFluxMax->setText(d.peakFluxMax ? text(peakFluxMaxText(d, m_separator, currentLanguage())) : kNone);
    paintText(*m_peakFluxMax, saturationColour(d.saturationMax, plain));
    m_saturationCurrent->setText(d.saturationCurrent ? figure(DesignQuantity::SaturationCurrent, *d.saturationCurrent)
                                                     : kNone);
    m_energy->setText(d.energy ? figure(DesignQuantity::Energy, *d.energy) : kNone);

    m_saturationNote->setText(text(saturationNote(d, in.bsat100.has_value(), currentLanguage())));
    paintText(*m_saturationNote, saturationColour(d.saturationMax, plain));
    m_windingNote->setText(text(windingNote(d, m_separator, currentLanguage())));

    const bool found = d.gapForTarget && d.gapForTarget->outcome == GapForAl::Outcome::Found;
    m_targetGap->setText(d.gapForTarget ? text(targetGapText(d, m_separator, currentLanguage())) : kNone);
    m_useTargetGap->setEnabled(found);
    plot(d, in);
}

void DesignWindow::blankDesign(const QString& reason)
{
    tell(reason, true);
    for (QLabel* figure : {m_alFringing, m_muEFringing, m_alNoFringing, m_muENoFringing, m_alUngapped, m_alIdeal,
                           m_residualGap, m_turnsResult,
                           m_inductanceResult, m_peakFlux, m_peakFluxAmin, m_peakFluxMax, m_saturationCurrent,
                           m_energy, m_targetGap}) {
        figure->setText(kNone);
        paintText(*figure, palette().color(QPalette::WindowText));
    }
    m_saturationNote->clear();
    m_windingNote->clear();
    m_useTargetGap->setEnabled(false);
    m_plot->setCurves({});
}

void DesignWindow::plot(const Design& d, const DesignInputs& in)
{
    AlGapCurves curves;
    // The gap axis takes in the working point: down to its decade, or up to
    // the next 1, 3, 10, 30 … mm.
    double firstGap = AlGapPlot::kFirstGap;
    double lastGap = AlGapPlot::kLastGap;
    if (in.gap > 0.0 && in.gap < firstGap)
        firstGap = std::pow(10.0, std::floor(std::log10(in.gap)));
    while (in.gap > lastGap)
        lastGap *= std::abs(std::log10(lastGap) - std::round(std::log10(lastGap))) < 1e-9 ? 3.0 : 10.0 / 3.0;
    const double decades = std::log10(lastGap / firstGap);
    const int points = static_cast<int>(std::ceil(decades * kPlotPointsPerDecade));
    for (int i = 0; i <= points; ++i) {
        const double gap = i == points ? lastGap : firstGap * std::pow(10.0, decades * i / points);
        curves.gaps.push_back(gap);
        curves.alFringing.push_back(inductanceFactor(m_set.set, in.muI, gap, in.gapPlace, true));
        curves.alNoFringing.push_back(inductanceFactor(m_set.set, in.muI, gap, in.gapPlace, false));
    }
    curves.alUngapped = d.alUngapped;
    publishedPoints(curves, in);
    curves.working =
        AlGapCurves::Point{in.gap, d.alFringing,
                           QStringLiteral(" lg %1\n AL %2")
                               .arg(figure(DesignQuantity::Gap, in.gap), figure(DesignQuantity::Al, d.alFringing))};
    m_plot->setCurves(std::move(curves));
}

// The makers' AL of the standard core's set, printed for a gap in the centre
// post: the chosen material's where the maker publishes it, else the set's
// gapped figures in every material (a gap's AL depends little on μi, an
// ungapped one wholly). A spacer under every leg is another set: none.
void DesignWindow::publishedPoints(AlGapCurves& curves, const DesignInputs& in) const
{
    if (m_standardCore.empty() || in.gapPlace != GapPlace::CentrePost)
        return;
    const int index = m_material->currentIndex();
    if (index > 0) {
        const Material& material = materials()[static_cast<std::size_t>(index - 1)];
        for (const PublishedAlPoint& point : publishedAlPoints(m_standardCore, material.name))
            curves.published.push_back({point.gap, point.al, text(material.name)});
        if (!curves.published.empty()) {
            curves.publishedForMaterial = true;
            curves.publishedCaption = tr("公布值 %1").arg(text(material.name));
            return;
        }
    }
    for (const PublishedAl& record : publishedAlRecords())
        if (record.gap > 0.0 && sameCoreSet(m_standardCore, record.shape))
            curves.published.push_back({record.gap, record.al, text(record.material)});
    curves.publishedCaption = tr("公布值（其他材料）");
}

// ---- Keys -------------------------------------------------------------------

void DesignWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

// The heading shares its row with the pages' tabs: what its width does not
// hold ends in "…" rather than being cut off unseen.
void DesignWindow::fitHeading()
{
    m_heading->setText(m_heading->fontMetrics().elidedText(m_headingText, Qt::ElideRight, m_heading->width()));
}

bool DesignWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_heading && event->type() == QEvent::Resize)
        fitHeading();
    const auto* field = qobject_cast<QAbstractSpinBox*>(watched);
    if (field != nullptr && event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        // A box copies its own selected text; without one, Ctrl+C copies the design.
        event->setAccepted(field->findChild<QLineEdit*>()->hasSelectedText());
        return true;
    }
    if (field != nullptr && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // The box takes its text first, as leaving it would.
            const_cast<QAbstractSpinBox*>(field)->interpretText();
            moveToNextInput();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Enter goes along the boxes in their order on the screen, as along a calculator's fields.
void DesignWindow::moveToNextInput()
{
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        if (!m_inputs[i].first->hasFocus())
            continue;
        for (std::size_t step = 1; step <= m_inputs.size(); ++step) {
            DesignField* next = m_inputs[(i + step) % m_inputs.size()].first;
            if (!next->isVisible())
                continue;  // a box of the page not shown
            next->setFocus(Qt::TabFocusReason);
            next->selectAll();
            return;
        }
        return;
    }
}

// The design as two tab-separated rows, a header of captions and a line of
// what the window shows, as the calculator copies its results.
QString DesignWindow::designRows() const
{
    QStringList header{tr("磁芯"), tr("材料")};
    QStringList values{descriptorText(m_core.optionCaption), m_material->currentText()};
    for (const auto& [caption, widget] : m_copied) {
        header << caption;
        if (const auto* field = qobject_cast<const QAbstractSpinBox*>(widget))
            values << field->text();
        else
            values << static_cast<const QLabel*>(widget)->text();
    }
    for (QString& cell : values)
        cell.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return header.join(QLatin1Char('\t')) + QLatin1Char('\n') + values.join(QLatin1Char('\t')) + QLatin1Char('\n');
}

}  // namespace ferricalc
