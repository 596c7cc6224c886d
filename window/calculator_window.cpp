#include "window/calculator_window.hpp"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <algorithm>
#include <string>

#include "calc/calculation.hpp"
#include "window/catalog_panel.hpp"
#include "window/drawing_view.hpp"
#include "window/look.hpp"

namespace ferricalc {

namespace {

QString text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QString numbered(const char* kind, int number) { return QLatin1String(kind) + QString::number(number); }

// A spreadsheet reads a tab or a line break inside a pasted cell as the start of
// another cell or row; a space keeps the text in its own cell.
QString spreadsheetCell(QString cell)
{
    for (const QChar separator : {QLatin1Char('\t'), QLatin1Char('\n'), QLatin1Char('\r')})
        cell.replace(separator, QLatin1Char(' '));
    return cell;
}

// A long result widens its label rather than being cut off; any other keeps the
// label's own width. The text's advance decides: a selectable label's size hint
// would lay its text out as a document, several times over, which costs more
// than the whole calculation. The slack covers the document's rounding, so the
// label is never narrower than its hint.
void fitWidth(QLabel& value)
{
    constexpr int kRoundingSlack = 2;
    const int width = std::max(value.minimumWidth(),
                               value.fontMetrics().horizontalAdvance(value.text()) + kRoundingSlack);
    if (width != value.width())
        value.resize(width, value.height());
}

QLabel* captionLabel(QWidget* parent, int number, const QString& caption, const QRect& geometry)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(numbered("Label", number));
    label->setFont(look::song(12));
    look::paintLabel(*label, look::kDarkRed, Qt::white);
    label->setGeometry(geometry);
    return label;
}

}  // namespace

CalculatorWindow::CalculatorWindow(const CoreDescriptor& core, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint),
      m_core(core)
{
    setObjectName(text(core.form));
    setWindowTitle(text(core.caption));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(look::fromTwips(0, 0, core.clientWidth, core.clientHeight).size());
    QPalette background = palette();
    background.setColor(QPalette::Window,
                        core.background == Background::White ? QColor(Qt::white) : palette().color(QPalette::Base));
    setPalette(background);
    setAutoFillBackground(true);

    const DrawingSpec& drawing = core.drawing;
    auto* picture = new DrawingView(text(drawing.resource), QSize(drawing.pixelWidth, drawing.pixelHeight), this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(look::fromTwips(drawing.box));

    if (core.note.labelNumber != 0) {
        auto* note = new QLabel(text(core.note.text), this);
        note->setObjectName(numbered("Label", core.note.labelNumber));
        note->setFont(look::kai(15));
        look::paintLabel(*note, palette().color(QPalette::WindowText), Qt::white);
        note->setGeometry(look::fromTwips(core.note.rect));
    }

    buildFields();
    buildResults();
    buildButtons();
    // The catalogue's combo box comes after the fields in tab order, before Calculate.
    m_catalog = new CatalogPanel(m_core, m_fields, *this);
    setTabOrder(m_fields.back(), m_catalog->comboBox());
    setTabOrder(m_catalog->comboBox(), m_calculate);
    buildCopy();

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("messageLine"));
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setFont(look::song(10.5));
    m_message->setGeometry(look::fromTwips(core.messageLine));
    QPalette warning = m_message->palette();
    warning.setColor(QPalette::WindowText, look::kDarkRed);
    m_message->setPalette(warning);
    m_message->hide();

    m_fields.front()->setFocus();
}

void CalculatorWindow::buildFields()
{
    QWidget* previous = nullptr;
    for (const FieldSpec& entry : m_core.fields) {
        QLabel* caption = captionLabel(this, entry.captionNumber, text(entry.caption),
                                       look::fromTwips(entry.captionLeft, entry.top, kCaptionWidth, kCaptionHeight));
        auto* field = new QLineEdit(this);
        field->setObjectName(numbered("Text", entry.textNumber));
        // What the letter stands for, the text that ferricalc-cli --list prints.
        caption->setToolTip(text(entry.meaning));
        field->setToolTip(text(entry.meaning));
        field->setGeometry(look::fromTwips(entry.fieldLeft, entry.top, entry.fieldWidth, kFieldHeight));
        field->setTextMargins(0, 0, 0, 0);
        if (entry.start == StartText::Zero)
            field->setText(QStringLiteral("0"));
        field->installEventFilter(this);
        if (previous)
            setTabOrder(previous, field);
        previous = field;
        m_fields.push_back(field);
    }
}

void CalculatorWindow::buildResults()
{
    static const std::array<QString, QuantityCount> kCaptions{
        QStringLiteral(" C1:"), QStringLiteral(" C2:"), QStringLiteral(" Le:"), QStringLiteral(" Ae:"),
        QStringLiteral(" Ve:")};
    for (std::size_t i = 0; i < QuantityCount; ++i) {
        const ResultSpec& result = m_core.results[i];
        captionLabel(this, result.captionNumber, kCaptions[i],
                     look::fromTwips(result.captionLeft, result.top, result.captionWidth, kResultHeight));
        auto* value = new QLabel(this);
        value->setObjectName(numbered("Label", result.valueNumber));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        look::paintLabel(*value, palette().color(QPalette::Text), palette().color(QPalette::Base));
        const QRect box = look::fromTwips(result.valueLeft, result.top, result.valueWidth, kResultHeight);
        value->setGeometry(box);
        value->setMinimumWidth(box.width());
        m_values[i] = value;
    }
}

void CalculatorWindow::buildButtons()
{
    m_calculate = look::pushButton(QStringLiteral("计算"), QStringLiteral("Command1"), 15.75, this);
    m_return = look::pushButton(QStringLiteral("返回"), QStringLiteral("Command2"), 15.75, this);
    m_calculate->setGeometry(look::fromTwips(m_core.calculateButton));
    m_return->setGeometry(look::fromTwips(m_core.returnButton));
    setTabOrder(m_fields.back(), m_calculate);
    setTabOrder(m_calculate, m_return);

    connect(m_calculate, &QPushButton::clicked, this, &CalculatorWindow::calculate);
    connect(m_return, &QPushButton::clicked, this, &QWidget::close);
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (routeCopyKey(watched, event))
        return true;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            for (std::size_t i = 0; i < m_fields.size(); ++i) {
                if (m_fields[i] == watched) {
                    moveAlongChain(i);
                    return true;
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CalculatorWindow::moveAlongChain(std::size_t field)
{
    look::showKeyboardFocus(*this);
    if (field + 1 == m_fields.size()) {
        m_calculate->setFocus(Qt::TabFocusReason);
        return;
    }
    QLineEdit* next = m_fields[field + 1];
    next->setFocus(Qt::TabFocusReason);  // a kept "0" comes selected, ready to be typed over
    if (m_core.fields[field + 1].start == StartText::Blank)
        next->clear();
}

void CalculatorWindow::calculate()
{
    m_message->hide();
    m_message->clear();

    const Calculation result = calculationOfFields();
    for (int i = 0; i < result.written; ++i) {
        QLabel* value = m_values[static_cast<std::size_t>(i)];
        value->setText(text(result.texts[static_cast<std::size_t>(i)].view()));
        fitWidth(*value);
    }
    m_catalog->showCalculation(result);
    if (result.succeeded())
        return;

    showFailure(text(failureMessage(m_core, result.failure, Language::Chinese)));
    if (result.failure.stage == CalculationFailure::Stage::Conversion) {
        QLineEdit* field = m_fields[static_cast<std::size_t>(result.failure.field)];
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
    }
}

Calculation CalculatorWindow::calculationOfFields() const
{
    std::vector<std::string> utf8;
    utf8.reserve(m_fields.size());
    for (const QLineEdit* field : m_fields)
        utf8.push_back(field->text().toStdString());
    std::vector<std::string_view> texts(utf8.begin(), utf8.end());
    const std::string separator = QLocale().decimalPoint().toStdString();
    return ferricalc::calculate(m_core, texts, separator);
}

void CalculatorWindow::showFailure(const QString& message)
{
    m_message->setText(message);
    m_message->show();
}

// Copy results: one action for the window's Ctrl+C and the results' context menu.
void CalculatorWindow::buildCopy()
{
    m_copyResults = new QAction(QStringLiteral("复制结果"), this);
    m_copyResults->setShortcut(QKeySequence::Copy);
    m_copyResults->setShortcutContext(Qt::WindowShortcut);
    addAction(m_copyResults);
    connect(m_copyResults, &QAction::triggered, this, &CalculatorWindow::copyResults);
    for (std::size_t i = 0; i < QuantityCount; ++i) {
        auto* caption = findChild<QLabel*>(numbered("Label", m_core.results[i].captionNumber));
        for (QLabel* label : {caption, m_values[i]}) {
            label->addAction(m_copyResults);
            label->setContextMenuPolicy(Qt::ActionsContextMenu);
        }
        m_values[i]->installEventFilter(this);
    }
}

// A field or a value label offers to take Ctrl+C before the window's shortcut
// sees it: it takes it when it has selected text to copy and declines otherwise.
bool CalculatorWindow::routeCopyKey(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
        return false;
    const auto* field = qobject_cast<const QLineEdit*>(watched);
    const auto* label = qobject_cast<const QLabel*>(watched);
    event->setAccepted((field && field->hasSelectedText()) || (label && label->hasSelectedText()));
    return true;
}

void CalculatorWindow::copyResults() { QGuiApplication::clipboard()->setText(resultRows()); }

QString CalculatorWindow::resultRows() const
{
    QStringList header{QStringLiteral("磁芯类型")};
    QStringList values{text(m_core.optionCaption)};
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        header << text(m_core.fields[i].letter);
        values << spreadsheetCell(m_fields[i]->text());
    }
    // The results of the fields as they stand, which are the labels' texts after
    // a Calculate; a field edited since then would otherwise be copied beside
    // results it did not give. Cells a Calculate would leave unwritten stay empty.
    const Calculation calculation = calculationOfFields();
    for (std::size_t i = 0; i < QuantityCount; ++i) {
        header << text(kQuantityNames[i]);
        values << (static_cast<int>(i) < calculation.written ? text(calculation.texts[i].view()) : QString());
    }
    const QString tab(QLatin1Char('\t'));
    return header.join(tab) + QLatin1Char('\n') + values.join(tab) + QLatin1Char('\n');
}

}  // namespace ferricalc
