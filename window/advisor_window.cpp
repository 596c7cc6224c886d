#include "window/advisor_window.hpp"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "calc/number_text.hpp"
#include "cores/registry.hpp"
#include "window/design_field.hpp"
#include "window/design_form.hpp"
#include "window/look.hpp"
#include "window/language.hpp"

namespace ferricalc {

using namespace design_form;

namespace {

// The column captions calc/advisor.hpp gives the windows, as the translation knows them.
[[maybe_unused]] constexpr const char* kColumnCaptions[] = {
    QT_TRANSLATE_NOOP("AdvisorWindow", "磁芯"),       QT_TRANSLATE_NOOP("AdvisorWindow", "类型"),
    QT_TRANSLATE_NOOP("AdvisorWindow", "材料"),       QT_TRANSLATE_NOOP("AdvisorWindow", "气隙 mm"),
    QT_TRANSLATE_NOOP("AdvisorWindow", "线径 mm"),    QT_TRANSLATE_NOOP("AdvisorWindow", "磁芯损耗 W"),
    QT_TRANSLATE_NOOP("AdvisorWindow", "铜损 W"),     QT_TRANSLATE_NOOP("AdvisorWindow", "质量 g"),
};

QString number(double value, int decimals)
{
    return text(formatNumber(value, DisplayFormat{decimals, true, ""}, ".").view());
}

// The adviser's columns, and last the verdict.
const int kColumnCount = static_cast<int>(adviceColumns().size()) + 1;

// 10^k as an axis of several decades writes it: 0.1, 1, 10, 100, 10³ …
QString powerOfTen(int k)
{
    if (k >= -1 && k <= 2)
        return number(std::pow(10.0, k), std::max(0, -k));
    static const QString kSuperscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString exponent = QString::number(std::abs(k));
    for (QChar& digit : exponent)
        digit = kSuperscripts[digit.digitValue()];
    return QStringLiteral("10") + (k < 0 ? QStringLiteral("⁻") : QString()) + exponent;
}

// The feasible designs no other feasible design beats in both volume and loss.
std::vector<bool> bestOf(const std::vector<Advice>& all)
{
    std::vector<bool> best(all.size(), false);
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].verdict != Verdict::Feasible)
            continue;
        best[i] = std::none_of(all.begin(), all.end(), [&](const Advice& other) {
            return other.verdict == Verdict::Feasible && other.design.ve <= all[i].design.ve
                   && other.totalLoss() <= all[i].totalLoss()
                   && (other.design.ve < all[i].design.ve || other.totalLoss() < all[i].totalLoss());
        });
    }
    return best;
}

}  // namespace

// ---- The table ------------------------------------------------------------

class AdviceModel : public QAbstractTableModel {
public:
    explicit AdviceModel(QObject* parent) : QAbstractTableModel(parent) {}

    void setAdvice(std::vector<Advice> advice, const Requirement& requirement)
    {
        beginResetModel();
        m_advice = std::move(advice);
        m_requirement = requirement;
        endResetModel();
    }
    const std::vector<Advice>& advice() const { return m_advice; }

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_advice.size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : kColumnCount; }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumnCount)
            return {};
        return section + 1 == kColumnCount ? AdvisorWindow::tr("结论")
                                           : AdvisorWindow::tr(adviceColumns()[static_cast<std::size_t>(section)].caption.data());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const Advice& a = m_advice.at(static_cast<std::size_t>(index.row()));
        const bool feasible = a.verdict == Verdict::Feasible;
        if (role == Qt::ForegroundRole)
            return feasible ? QVariant() : QVariant(QColor(128, 128, 128));
        if (index.column() + 1 == kColumnCount) {  // the verdict; the feasible sort before the rest
            if (role == Qt::UserRole && feasible)
                return QString();
            return role == Qt::DisplayRole || role == Qt::UserRole
                       ? text(verdictText(a, m_requirement, currentLanguage()))
                       : QVariant();
        }
        const AdviceColumn& column = adviceColumns()[static_cast<std::size_t>(index.column())];
        if (role == Qt::TextAlignmentRole && column.figure)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        if (role == Qt::UserRole && column.figure) {  // sorted as numbers, an absent figure last
            const std::optional<double> value = column.figure(a);
            return value && std::isfinite(*value) ? *value : INFINITY;
        }
        if (role != Qt::DisplayRole && role != Qt::UserRole)
            return {};
        if (column.name == "family")  // as the selector names it
            return descriptorText(a.family->optionCaption);
        const std::string cell = adviceCell(a, column);
        return cell == "-" ? QStringLiteral("—") : text(cell);
    }

private:
    std::vector<Advice> m_advice;
    Requirement m_requirement;
};

// ---- Loss against volume --------------------------------------------------

class AdviceScatter : public QWidget {
public:
    explicit AdviceScatter(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("adviceScatter"));
        setFont(look::song(9));
        setBackgroundRole(QPalette::Base);
        setAutoFillBackground(true);
        setMinimumSize(260, 220);
    }

    void setAdvice(const std::vector<Advice>* advice)
    {
        m_advice = advice;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QFontMetricsF metrics(font());
        const double line = metrics.height();
        std::vector<const Advice*> feasible;
        if (m_advice)
            for (const Advice& a : *m_advice)
                if (a.verdict == Verdict::Feasible && a.totalLoss() > 0.0)
                    feasible.push_back(&a);
        const QRectF area(QPointF(metrics.horizontalAdvance(QStringLiteral("0.001")) + 10, line + 8),
                          QPointF(width() - 12, height() - 2 * line - 10));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawRect(area);
        painter.drawText(QRectF(area.left(), area.bottom() + line + 4, area.width(), line), Qt::AlignHCenter,
                         QStringLiteral("Ve / mm³"));
        painter.drawText(QRectF(0, 2, width(), line), Qt::AlignLeft, AdvisorWindow::tr("总损耗 / W"));
        if (feasible.empty() || area.width() < 40 || area.height() < 40)
            return;
        // Logarithmic axes of whole decades round every point.
        double minX = INFINITY, maxX = 0, minY = INFINITY, maxY = 0;
        for (const Advice* a : feasible) {
            minX = std::min(minX, a->design.ve);
            maxX = std::max(maxX, a->design.ve);
            minY = std::min(minY, a->totalLoss());
            maxY = std::max(maxY, a->totalLoss());
        }
        const int x0 = static_cast<int>(std::floor(std::log10(minX)));
        const int x1 = std::max(x0 + 1, static_cast<int>(std::ceil(std::log10(maxX))));
        const int y0 = static_cast<int>(std::floor(std::log10(minY)));
        const int y1 = std::max(y0 + 1, static_cast<int>(std::ceil(std::log10(maxY))));
        const auto x = [&](double v) { return area.left() + (std::log10(v) - x0) / (x1 - x0) * area.width(); };
        const auto y = [&](double v) { return area.bottom() - (std::log10(v) - y0) / (y1 - y0) * area.height(); };
        for (int k = x0; k <= x1; ++k) {
            const QString label = powerOfTen(k);
            painter.drawText(QRectF(x(std::pow(10.0, k)) - 30, area.bottom() + 3, 60, line), Qt::AlignCenter, label);
        }
        for (int k = y0; k <= y1; ++k)
            painter.drawText(QRectF(0, y(std::pow(10.0, k)) - line / 2, area.left() - 4, line),
                             Qt::AlignRight | Qt::AlignVCenter, powerOfTen(k));

        const std::vector<bool> best = bestOf(*m_advice);
        painter.setPen(QPen(look::kNavy, 1.0));
        painter.setBrush(Qt::NoBrush);
        QPainterPath front;
        std::vector<QPointF> frontPoints;
        for (std::size_t i = 0; i < m_advice->size(); ++i) {
            const Advice& a = (*m_advice)[i];
            if (a.verdict != Verdict::Feasible || !(a.totalLoss() > 0.0))
                continue;
            const QPointF point(x(a.design.ve), y(a.totalLoss()));
            painter.drawEllipse(point, 2.5, 2.5);
            if (best[i])
                frontPoints.push_back(point);
        }
        std::sort(frontPoints.begin(), frontPoints.end(),
                  [](const QPointF& p, const QPointF& q) { return p.x() < q.x(); });
        for (std::size_t i = 0; i < frontPoints.size(); ++i)
            i == 0 ? front.moveTo(frontPoints[i]) : front.lineTo(frontPoints[i]);
        painter.setPen(QPen(look::kDarkRed, 1.5));
        painter.drawPath(front);
        painter.setBrush(look::kDarkRed);
        for (const QPointF& point : frontPoints)
            painter.drawEllipse(point, 3.5, 3.5);
    }

private:
    const std::vector<Advice>* m_advice = nullptr;
};

// ---- The window -----------------------------------------------------------

AdvisorWindow::AdvisorWindow(const Requirement& requirement, const Material* material,
                             std::function<void(const Advice&, const Requirement&)> open, QWidget* parent)
    : QWidget(parent, Qt::Window), m_open(std::move(open))
{
    setObjectName(QStringLiteral("advisorWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("磁芯选型"));
    setFont(look::song(10.5));

    const auto box = [this](QFormLayout& form, const char* caption, DesignField* field, const DesignInputLimits& limits,
                            const QString& unit, double value) {
        field->setDecimals(limits.decimals);
        field->setRange(limits.minimum, limits.maximum);
        field->setValue(value);
        if (!unit.isEmpty())
            field->setSuffix(QLatin1Char(' ') + unit);
        field->setAlignment(Qt::AlignRight);
        field->installEventFilter(this);
        field->onEdited([this] { m_pending->start(); });
        connect(field, &QDoubleSpinBox::valueChanged, this, [this] { m_pending->start(); });
        auto* label = new QLabel(tr(caption), this);
        label->setBuddy(field);
        form.addRow(label, field);
        return field;
    };
    m_pending = new QTimer(this);
    m_pending->setSingleShot(true);
    m_pending->setInterval(0);
    connect(m_pending, &QTimer::timeout, this, &AdvisorWindow::readvise);
    m_working = new QFutureWatcher<std::vector<Advice>>(this);
    connect(m_working, &QFutureWatcher<std::vector<Advice>>::finished, this, &AdvisorWindow::showAdvice);

    auto* need = new QGroupBox(tr("要求"), this);
    QFormLayout& needForm = *formIn(*need);
    const auto designBox = [&](const char* caption, DesignInput kind, const char* name, const QString& unit,
                               double value) {
        return box(needForm, caption, new DesignField(kind, QString::fromLatin1(name), this), designInputLimits(kind),
                   unit, value);
    };
    const auto lossBox = [&](QFormLayout& form, const char* caption, LossInput kind, const char* name,
                             const QString& unit, double value) {
        return box(form, caption, new DesignField(kind, QString::fromLatin1(name), this), boxLimits(lossInputLimits(kind)), unit,
                   value);
    };
    m_inductance = designBox(QT_TR_NOOP("电感 L"), DesignInput::Inductance, "inductance", QStringLiteral("µH"),
                             requirement.inductance);
    m_current = designBox(QT_TR_NOOP("峰值电流 Î"), DesignInput::Current, "current", QStringLiteral("A"), requirement.peakCurrent);
    m_ripple = lossBox(needForm, QT_TR_NOOP("纹波 ΔI"), LossInput::Ripple, "ripple", QStringLiteral("A"), requirement.ripple);
    m_frequency = lossBox(needForm, QT_TR_NOOP("频率 f"), LossInput::Frequency, "frequency", QStringLiteral("Hz"),
                          requirement.frequency);
    m_duty = lossBox(needForm, QT_TR_NOOP("占空比 D"), LossInput::Duty, "duty", {}, requirement.duty);
    m_temperature = lossBox(needForm, QT_TR_NOOP("磁芯温度"), LossInput::Temperature, "temperature", QStringLiteral("°C"),
                            requirement.temperature);

    auto* limits = new QGroupBox(tr("限值"), this);
    QFormLayout& limitForm = *formIn(*limits);
    m_maxRise = box(limitForm, QT_TR_NOOP("温升 ΔT 至多"), new DesignField(std::nullopt, QStringLiteral("maxRise"), this),
                    kAdviceLimits[MaxRiseLimit], QStringLiteral("K"), requirement.maxTemperatureRise);
    m_maxShare = box(limitForm, QT_TR_NOOP("B̂max 至多"), new DesignField(std::nullopt, QStringLiteral("maxShare"), this),
                     kAdviceLimits[MaxShareLimit], QStringLiteral("% Bsat"), requirement.maxFluxShare);
    m_maxFill = box(limitForm, QT_TR_NOOP("窗口填充至多"), new DesignField(std::nullopt, QStringLiteral("maxFill"), this),
                    kAdviceLimits[MaxFillLimit], QStringLiteral("%"), requirement.maxFill);
    m_ranking = new QComboBox(this);
    m_ranking->setObjectName(QStringLiteral("ranking"));
    m_ranking->addItems({tr("体积最小"), tr("损耗最小"), tr("质量最小")});
    limitForm.addRow(new QLabel(tr("排序"), this), m_ranking);
    connect(m_ranking, &QComboBox::currentIndexChanged, this, [this] { m_pending->start(); });
    alignCaptions({need, limits});

    const auto checkList = [this](const char* name) {
        auto* list = new QListWidget(this);
        list->setObjectName(QString::fromLatin1(name));
        list->setMaximumHeight(110);
        connect(list, &QListWidget::itemChanged, this, [this] { m_pending->start(); });
        return list;
    };
    m_families = checkList("families");
    for (const CoreDescriptor* family : coreTypes()) {
        auto* item = new QListWidgetItem(descriptorText(family->optionCaption), m_families);
        item->setData(Qt::UserRole, text(family->name));
        item->setCheckState(standardCores(*family).empty() ? Qt::Unchecked : Qt::Checked);
    }
    m_materials = checkList("materials");
    const Material* chosen = material != nullptr && material->hasLossFit() ? material : findMaterial("N87");
    for (const Material& candidate : materials()) {
        if (!candidate.hasLossFit() || !candidate.bsat100)
            continue;
        auto* item = new QListWidgetItem(
            AdvisorWindow::tr("%1（%2）").arg(text(candidate.name), text(candidate.manufacturer)),
                                         m_materials);
        item->setData(Qt::UserRole, QVariant::fromValue(static_cast<qulonglong>(&candidate - materials().data())));
        item->setCheckState(&candidate == chosen ? Qt::Checked : Qt::Unchecked);
    }

    auto* left = new QVBoxLayout;
    left->addWidget(need);
    left->addWidget(limits);
    left->addWidget(new QLabel(tr("磁芯类型"), this));
    left->addWidget(m_families);
    left->addWidget(new QLabel(tr("材料"), this));
    left->addWidget(m_materials);

    m_model = new AdviceModel(this);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(Qt::UserRole);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("adviceTable"));
    m_table->setModel(m_sorted);
    m_table->setSortingEnabled(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->installEventFilter(this);
    connect(m_table, &QTableView::doubleClicked, this, &AdvisorWindow::openRow);
    m_scatter = new AdviceScatter(this);

    auto* right = new QVBoxLayout;
    auto* plotTitle = new QLabel(tr("总损耗与体积（红：没有别的设计既更小又更凉）"), this);
    plotTitle->setFont(look::kai(11));
    right->addWidget(m_table, 3);
    right->addWidget(plotTitle);
    right->addWidget(m_scatter, 2);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);
    readvise();
    m_working->waitForFinished();  // the window opens with its table filled
    showAdvice();
    resize(1100, 680);
}

AdvisorWindow::~AdvisorWindow()
{
    m_working->waitForFinished();
    m_scatter->setAdvice(nullptr);
}

const std::vector<Advice>& AdvisorWindow::advice() const { return m_model->advice(); }

Requirement AdvisorWindow::requirement() const
{
    Requirement r;
    r.inductance = m_inductance->value();
    r.peakCurrent = m_current->value();
    r.ripple = m_ripple->value();
    r.frequency = m_frequency->value();
    r.duty = m_duty->value();
    r.temperature = m_temperature->value();
    r.maxTemperatureRise = m_maxRise->value();
    r.maxFluxShare = m_maxShare->value();
    r.maxFill = m_maxFill->value();
    return r;
}

void AdvisorWindow::readvise()
{
    std::vector<const CoreDescriptor*> families;
    for (int i = 0; i < m_families->count(); ++i)
        if (m_families->item(i)->checkState() == Qt::Checked)
            families.push_back(findCoreType(m_families->item(i)->data(Qt::UserRole).toString().toStdString()));
    std::vector<const Material*> chosen;
    for (int i = 0; i < m_materials->count(); ++i)
        if (m_materials->item(i)->checkState() == Qt::Checked)
            chosen.push_back(&materials()[m_materials->item(i)->data(Qt::UserRole).toULongLong()]);
    const Requirement r = requirement();
    if (m_working->isRunning()) {
        m_again = true;
        return;
    }
    // A ripple whose half passes the peak current leaves a negative DC current: no advice for it.
    const bool sound = r.ripple <= 2.0 * r.peakCurrent;
    const auto ranking = static_cast<Ranking>(m_ranking->currentIndex());
    m_workingRequirement = r;
    m_working->setFuture(QtConcurrent::run([families, chosen, r, ranking, sound] {
        return sound ? advise(families, chosen, r, ranking) : std::vector<Advice>{};
    }));
}

void AdvisorWindow::showAdvice()
{
    m_model->setAdvice(m_working->result(), m_workingRequirement);
    m_sorted->sort(-1);  // the adviser's order until a header is clicked
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_scatter->setAdvice(&m_model->advice());
    if (std::exchange(m_again, false))
        readvise();
}

void AdvisorWindow::openRow(const QModelIndex& index)
{
    if (!index.isValid() || !m_open)
        return;
    const QModelIndex source = m_sorted->mapToSource(index);
    m_open(m_model->advice().at(static_cast<std::size_t>(source.row())), requirement());
}

bool AdvisorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == m_table) {
                openRow(m_table->currentIndex());
                return true;
            }
            focusNextChild();  // from a box to the next, as in the design window
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AdvisorWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace ferricalc
