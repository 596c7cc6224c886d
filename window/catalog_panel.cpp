#include "window/catalog_panel.hpp"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <algorithm>
#include <array>
#include <functional>
#include <string>

#include "calc/catalog_texts.hpp"
#include "window/look.hpp"

namespace ferricalc {

namespace {

const QString kCustom = QStringLiteral("自定义");

// Units as the reference line writes them after Le, Ae and Ve.
constexpr std::array<const char*, QuantityCount> kUnits{"", "", "mm", "mm²", "mm³"};
constexpr std::array<Quantity, 3> kPublished{Le, Ae, Ve};

QString utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string decimalSeparator() { return QLocale().decimalPoint().toStdString(); }

// "Le 78.58 mm" held together, so that a narrow line breaks only between quantities.
QString item(Quantity quantity, const std::string& value, const char* unit)
{
    QString text = utf8(kQuantityNames[quantity]) + QChar::Nbsp + utf8(value);
    if (*unit != '\0')
        text += QChar::Nbsp + QString::fromUtf8(unit);
    return text;
}

// A combo box that gets its list ready just before the list first shows.
class CatalogComboBox : public QComboBox {
public:
    CatalogComboBox(QWidget* parent, std::function<void()> beforeFirstPopup)
        : QComboBox(parent), m_beforeFirstPopup(std::move(beforeFirstPopup))
    {
    }

    void showPopup() override
    {
        if (m_beforeFirstPopup) {
            m_beforeFirstPopup();
            m_beforeFirstPopup = nullptr;
        }
        QComboBox::showPopup();
    }

private:
    std::function<void()> m_beforeFirstPopup;
};

}  // namespace

CatalogPanel::CatalogPanel(const CoreDescriptor& core, std::span<QLineEdit* const> fields, QWidget& window)
    : QObject(&window), m_cores(standardCores(core)), m_fields(fields.begin(), fields.end())
{
    const CatalogPlacement& place = core.catalog;
    auto* caption = new QLabel(QStringLiteral("标准型号:"), &window);
    caption->setObjectName(QStringLiteral("catalogCaption"));
    look::paintLabel(*caption, look::kDarkRed, window.palette().color(QPalette::Window));
    caption->setGeometry(look::fromTwips(place.caption));

    m_combo = new CatalogComboBox(&window, [this] { widenLists(); });
    m_combo->setObjectName(QStringLiteral("catalogComboBox"));
    m_combo->setEditable(true);
    // What the user types only filters the list; it never becomes an entry.
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->addItem(kCustom);
    for (const StandardCore& standard : m_cores)
        m_combo->addItem(utf8(standard.name));
    m_combo->setGeometry(look::fromTwips(place.comboBox));
    // A wheel turned over the box while scrolling past it must not swap the
    // user's dimensions for a standard core's: the box takes the wheel only
    // once the user has given it the focus.
    m_combo->setFocusPolicy(Qt::StrongFocus);
    m_combo->installEventFilter(this);
    caption->setBuddy(m_combo);

    m_reference = new QLabel(&window);
    m_reference->setObjectName(QStringLiteral("catalogReference"));
    m_reference->setWordWrap(true);
    m_reference->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_reference->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette ink = m_reference->palette();
    ink.setColor(QPalette::WindowText, look::kNavy);
    m_reference->setPalette(ink);
    m_reference->setGeometry(look::fromTwips(place.reference));

    connect(m_combo, &QComboBox::activated, this, &CatalogPanel::choose);
    // Typing only filters: a text not taken with Enter or from the list gives way
    // to the entry in force when the user moves on.
    connect(m_combo->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (m_combo->currentText() != m_combo->itemText(m_combo->currentIndex()))
            showEntry(m_combo->currentIndex());
    });
    for (QLineEdit* field : m_fields)
        connect(field, &QLineEdit::textChanged, this, [this] {
            if (!m_filling)
                returnToCustom();
        });
}

bool CatalogPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_combo && event->type() == QEvent::Wheel && !m_combo->hasFocus()) {
        event->ignore();
        return true;
    }
    // Nothing can be typed into the box before it has the focus.
    if (watched == m_combo && event->type() == QEvent::FocusIn && m_completer == nullptr)
        narrowWhileTyping();
    return QObject::eventFilter(watched, event);
}

// The list narrows to the names that hold what is typed, anywhere in the name
// and in any letter case. Set up when the box first takes the focus rather
// than with the window, which then opens sooner.
void CatalogPanel::narrowWhileTyping()
{
    m_completer = new QCompleter(m_combo->model(), m_combo);
    m_completer->setFilterMode(Qt::MatchContains);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setCompletionMode(QCompleter::PopupCompletion);
    m_completer->setMaxVisibleItems(12);
    m_combo->setCompleter(m_completer);
    widenLists();
}

// Lists as wide as the longest name, wider than the box where that is narrow;
// measured when a list is first about to show.
void CatalogPanel::widenLists()
{
    if (m_listWidth == 0) {
        const QFontMetrics metrics = m_combo->fontMetrics();
        int widest = 0;
        for (const StandardCore& standard : m_cores)
            widest = std::max(widest, metrics.horizontalAdvance(utf8(standard.name)));
        m_listWidth = widest + 2 * metrics.averageCharWidth() + 24;
        m_combo->view()->setMinimumWidth(m_listWidth);
    }
    if (m_completer != nullptr)
        m_completer->popup()->setMinimumWidth(m_listWidth);
}

// A long name shows from its start, where the family and size are.
void CatalogPanel::showEntry(int index)
{
    m_combo->setEditText(m_combo->itemText(index));
    m_combo->lineEdit()->setCursorPosition(0);
}

void CatalogPanel::chooseCore(const StandardCore& core)
{
    for (std::size_t i = 0; i < m_cores.size(); ++i)
        if (&m_cores[i] == &core) {
            m_combo->setCurrentIndex(static_cast<int>(i) + 1);
            choose(static_cast<int>(i) + 1);
        }
}

void CatalogPanel::choose(int index)
{
    showEntry(index);
    if (index <= 0) {
        m_chosen = nullptr;
        m_reference->clear();
        return;
    }
    const StandardCore& standard = m_cores[static_cast<std::size_t>(index - 1)];
    const std::string separator = decimalSeparator();
    m_filling = true;
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setText(utf8(catalogText(standard.texts[i], separator)));
    m_filling = false;
    m_chosen = &standard;
    m_reference->setText(dataSheetLine());
}

void CatalogPanel::returnToCustom()
{
    if (m_chosen == nullptr && m_combo->currentIndex() == 0)
        return;
    m_chosen = nullptr;
    m_combo->setCurrentIndex(0);
    showEntry(0);
    m_reference->clear();
}

QString CatalogPanel::dataSheetLine() const
{
    const DataSheet& sheet = m_chosen->dataSheet;
    if (!sheet.anyPublished())
        return QStringLiteral("数据手册: 无");
    const std::string separator = decimalSeparator();
    QStringList items;
    for (const Quantity q : kPublished)
        if (const std::optional<double> figure = sheet.figure(q))
            items << item(q, figureText(*figure, separator), kUnits[q]);
    return QStringLiteral("数据手册: ") + items.join(QStringLiteral("  "));
}

void CatalogPanel::showCalculation(const Calculation& result)
{
    if (m_chosen == nullptr)
        return;
    QString line = dataSheetLine();
    const std::string separator = decimalSeparator();
    QStringList deviations;
    for (const Quantity q : kPublished) {
        const std::optional<double> figure = m_chosen->dataSheet.figure(q);
        if (figure && q < result.written)
            deviations << item(q, deviationText(deviationPercent(result.values[q], *figure), separator), "%");
    }
    if (!deviations.isEmpty())
        line += QStringLiteral("\n偏差: ") + deviations.join(QStringLiteral("  "));
    m_reference->setText(line);
}

}  // namespace ferricalc
