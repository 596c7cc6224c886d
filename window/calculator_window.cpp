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
#include <QTimer>
#include <algorithm>
#include <string>
#include <tuple>

#include "calc/advisories.hpp"
#include "calc/calculation.hpp"
#include "window/catalog_panel.hpp"
#include "window/design_window.hpp"
#include "window/drawing_view.hpp"
#include "window/language.hpp"
#include "window/look.hpp"
#include "window/remembered.hpp"

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

QString utf8(const std::string& text) { return QString::fromStdString(text); }

// The right edge of the free space right of `value`: the window's edge, or the
// nearest control on its row, or the message line's place, whichever is nearer.
int freeRight(const QLabel& value, const QRect& messageArea)
{
    const QWidget& window = *value.parentWidget();
    const QRect row = value.geometry();
    const auto onRowToTheRight = [&row](const QRect& other) {
        return other.top() <= row.bottom() && other.bottom() >= row.top() && other.left() > row.left();
    };
    int right = window.width();
    if (onRowToTheRight(messageArea))
        right = std::min(right, messageArea.left());
    for (const QWidget* other : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (other != &value && other->isVisible() && onRowToTheRight(other->geometry()))
            right = std::min(right, other->geometry().left());
    return right;
}

// A long result widens its label into the free space to its right; one longer
// still is drawn in a smaller size until it fits there. So every result shows
// whole and covers no other control. The text's advance decides: a selectable
// label's size hint would lay its text out as a document, several times over,
// which costs more than the whole calculation. The slack covers the document's
// rounding, so the label is never narrower than its hint.
void fitResult(QLabel& value, const QRect& messageArea)
{
    constexpr int kRoundingSlack = 2;
    if (value.testAttribute(Qt::WA_SetFont))
        value.setFont(QFont());  // the window's size again, after a result drawn smaller
    int width = value.fontMetrics().horizontalAdvance(value.text()) + kRoundingSlack;
    if (width > value.minimumWidth()) {
        const int room = freeRight(value, messageArea) - value.x();
        if (width > room) {
            QFont smaller = value.font();
            const qreal fullSize = smaller.pointSizeF();
            for (qreal size = fullSize * room / width; width > room && size > 1.0; size -= 0.25) {
                smaller.setPointSizeF(size);
                width = QFontMetrics(smaller).horizontalAdvance(value.text()) + kRoundingSlack;
            }
            value.setFont(smaller);
            width = room;
        }
    }
    width = std::max(width, value.minimumWidth());
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
    m_texts = new TextSetters(*this);
    setObjectName(text(core.form));
    m_texts->keep([this] { setWindowTitle(descriptorText(m_core.caption)); });
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
        auto* note = new QLabel(this);
        note->setObjectName(numbered("Label", core.note.labelNumber));
        note->setFont(look::kai(15));
        look::paintLabel(*note, palette().color(QPalette::WindowText), Qt::white);
        note->setGeometry(look::fromTwips(core.note.rect));
        m_texts->keep([this, note] {
            note->setText(descriptorText(m_core.note.text));
            look::fitCaption(*note);
        });
    }

    buildFields();
    buildResults();
    buildButtons();
    // The catalogue's combo box comes after the fields in tab order, before Calculate.
    m_catalog = new CatalogPanel(m_core, m_fields, *this);
    setTabOrder(m_fields.back(), m_catalog->comboBox());
    setTabOrder(m_catalog->comboBox(), m_calculate);
    buildCopy();

    // Both lines share the message line's place: the failure on top, the advice below it.
    for (auto [line, name, colour] : {std::tuple{&m_message, "messageLine", look::kDarkRed},
                                      std::tuple{&m_advisory, "advisoryLine", look::kDarkAmber}}) {
        *line = new QLabel(this);
        (*line)->setObjectName(QLatin1String(name));
        (*line)->setWordWrap(true);
        (*line)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        (*line)->setGeometry(look::fromTwips(core.messageLine));
        QPalette ink = (*line)->palette();
        ink.setColor(QPalette::WindowText, colour);
        (*line)->setPalette(ink);
        (*line)->hide();
    }

    m_fields.front()->setFocus();
    remembered::restoreGeometry(*this);
}

CalculatorWindow::~CalculatorWindow() { remembered::keepGeometry(*this); }

void CalculatorWindow::buildFields()
{
    QWidget* previous = nullptr;
    for (const FieldSpec& entry : m_core.fields) {
        QLabel* caption = captionLabel(this, entry.captionNumber, QString(),
                                       look::fromTwips(entry.captionLeft, entry.top, kCaptionWidth, kCaptionHeight));
        auto* field = new QLineEdit(this);
        field->setObjectName(numbered("Text", entry.textNumber));
        // What the letter stands for, the text that ferricalc-cli --list prints.
        m_texts->keep([&entry, caption, field] {
            caption->setText(descriptorText(entry.caption));
            look::fitCaption(*caption);
            caption->setToolTip(descriptorText(entry.meaning));
            field->setToolTip(descriptorText(entry.meaning));
        });
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
    m_calculate = look::pushButton(QString(), QStringLiteral("Command1"), 15.75, this);
    m_return = look::pushButton(QString(), QStringLiteral("Command2"), 15.75, this);
    m_design = look::pushButton(QString(), QStringLiteral("designButton"), 15.75, this);
    m_design->setEnabled(false);  // until a Calculate succeeds
    m_calculate->setGeometry(look::fromTwips(m_core.calculateButton));
    m_return->setGeometry(look::fromTwips(m_core.returnButton));
    m_design->setGeometry(look::fromTwips(m_core.designButton));
    m_texts->keep([this] {
        m_calculate->setText(tr("计算"));
        m_return->setText(tr("返回"));
        m_design->setText(tr("设计…"));
        m_design->setToolTip(tr("由计算所得的磁芯求 AL、气隙、匝数、电感和磁通密度"));
        for (QPushButton* button : {m_calculate, m_return, m_design})
            look::fitCaption(*button);
    });
    setTabOrder(m_fields.back(), m_calculate);
    setTabOrder(m_calculate, m_design);
    setTabOrder(m_design, m_return);

    connect(m_calculate, &QPushButton::clicked, this, &CalculatorWindow::calculate);
    connect(m_return, &QPushButton::clicked, this, &QWidget::close);
    connect(m_design, &QPushButton::clicked, this, &CalculatorWindow::openDesign);

    // Some milliseconds after the results are shown, well before a hand reaches
    // 设计…; the few milliseconds it takes are spent once per window.
    m_designAheadTimer = new QTimer(this);
    m_designAheadTimer->setSingleShot(true);
    m_designAheadTimer->setInterval(kDesignAheadDelay);
    connect(m_designAheadTimer, &QTimer::timeout, this, &CalculatorWindow::buildDesignAhead);
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

void CalculatorWindow::calculate() { showCalculation(calculationOfFields()); }

void CalculatorWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange || !m_calculated)
        return;
    // One built ahead in the old language is built again in the new.
    if (m_designAhead) {
        delete m_designAhead;
        m_designAhead = nullptr;
        m_designAheadTimer->start();
    }
    // The design window's forms are laid out for their captions: it is built
    // again in the new language, with the inputs and the place it keeps.
    if (m_designWindow) {
        const int page = m_designWindow->currentPage();
        delete m_designWindow;
        openDesign();
        m_designWindow->setCurrentPage(page);
    }
    // The fields' focus and the open design stay as they are: only the texts are written again.
    QWidget* focused = focusWidget();
    const Calculation shown = m_shown;
    showCalculation(shown);
    if (focused != nullptr && focused != focusWidget())
        focused->setFocus(Qt::OtherFocusReason);
}

void CalculatorWindow::showCalculation(const Calculation& result)
{
    m_shown = result;
    m_calculated = true;
    const Language language = currentLanguage();
    for (QLabel* line : {m_message, m_advisory}) {
        line->hide();
        line->clear();
    }

    const std::string separator = QLocale().decimalPoint().toStdString();
    const ExactResults exact = exactResults(result.constants);
    const QRect messageArea = look::fromTwips(m_core.messageLine);
    for (std::size_t i = 0; i < QuantityCount; ++i) {
        const auto quantity = static_cast<Quantity>(i);
        QLabel* value = m_values[quantity];
        if (static_cast<int>(i) >= result.written) {
            // A label this Calculate did not write keeps its text, shown as stale.
            if (!value->text().isEmpty()) {
                look::paintLabel(*value, palette().color(QPalette::Disabled, QPalette::Text),
                                 palette().color(QPalette::Base));
                value->setToolTip(tr("上次计算的结果"));
            }
            continue;
        }
        look::paintLabel(*value, palette().color(QPalette::Text), palette().color(QPalette::Base));
        value->setText(text(result.texts[quantity].view()));
        value->setToolTip(utf8(unroundedText(quantity, exact, language, separator)));
        fitResult(*value, messageArea);
    }
    m_catalog->showCalculation(result);
    m_design->setEnabled(result.succeeded());
    const StandardCore* standard = m_catalog->chosen();
    const QString standardName = standard != nullptr ? text(standard->name) : QString();
    if (result.succeeded()) {
        m_designTexts = fieldTexts();
        m_designStandard = standardName;
        if (!m_designWindow && !m_designAhead)
            m_designAheadTimer->start();
    }
    // An open design follows: the new core, or why its dimensions no longer calculate.
    if (m_designWindow) {
        m_designWindow->setStandardCore(standardName);
        m_designWindow->setFieldTexts(fieldTexts());
    }

    const Advisories advice = advise(m_core, result, exact, language, separator);
    QStringList adviceLines;
    for (const std::string* line : {&advice.dimensions, &advice.display})
        if (!line->empty())
            adviceLines << utf8(*line);
    const bool failureSaid = result.succeeded() || advice.displayExplainsFailure;
    showMessages(failureSaid ? QString() : utf8(failureMessage(m_core, result.failure, language)),
                 adviceLines.join(QLatin1Char('\n')));
    if (result.failure.stage == CalculationFailure::Stage::Conversion) {
        QLineEdit* field = m_fields[static_cast<std::size_t>(result.failure.field)];
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
    }
}

void CalculatorWindow::chooseStandardCore(const StandardCore& core) { m_catalog->chooseCore(core); }

void CalculatorWindow::setPointTexts(const QStringList& pointTexts)
{
    const QString separator = QLocale().decimalPoint();
    for (std::size_t i = 0; i < m_fields.size() && i < static_cast<std::size_t>(pointTexts.size()); ++i)
        m_fields[i]->setText(QString(pointTexts[static_cast<qsizetype>(i)]).replace(QLatin1Char('.'), separator));
}

void CalculatorWindow::openDesign()
{
    if (m_designTexts.isEmpty())
        return;  // nothing calculated yet
    if (!m_designWindow) {
        m_designAheadTimer->stop();
        if (m_designAhead) {
            m_designWindow = m_designAhead;
            m_designAhead = nullptr;
            m_designWindow->prepareToShow(m_designTexts);
        } else {
            m_designWindow = new DesignWindow(m_core, m_designTexts, this);
        }
        m_designWindow->setStandardCore(m_designStandard);
        m_designWindow->show();
        return;
    }
    m_designWindow->raise();
    m_designWindow->activateWindow();
}

DesignWindow* CalculatorWindow::designWindow() const { return m_designWindow; }

DesignWindow* CalculatorWindow::designWindowAhead() const { return m_designAhead; }

void CalculatorWindow::buildDesignAhead()
{
    if (m_designWindow || m_designAhead || m_designTexts.isEmpty())
        return;
    m_designAhead = new DesignWindow(m_core, m_designTexts, this);
    m_designAhead->prepareAhead();
}

QStringList CalculatorWindow::fieldTexts() const
{
    QStringList texts;
    for (const QLineEdit* field : m_fields)
        texts << field->text();
    return texts;
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

// The failure takes the top of the message line's place, as many lines as it
// needs; the advice the rest. A text with more lines than its room is drawn
// smaller until it fits.
void CalculatorWindow::showMessages(const QString& failure, const QString& advice)
{
    constexpr qreal kMessageSize = 10.5;
    constexpr qreal kSmallestSize = 6;
    const QRect area = look::fromTwips(m_core.messageLine);
    int top = area.top();
    for (const auto& [line, message] : {std::pair{m_message, failure}, std::pair{m_advisory, advice}}) {
        if (message.isEmpty())
            continue;
        line->setText(message);
        const int room = area.bottom() + 1 - top;
        line->setFont(look::song(kMessageSize));
        for (qreal size = kMessageSize - 0.5; line->heightForWidth(area.width()) > room && size >= kSmallestSize;
             size -= 0.5)
            line->setFont(look::song(size));
        const int height = std::min(room, line->heightForWidth(area.width()));
        line->setGeometry(area.left(), top, area.width(), line == m_message ? height : room);
        line->show();
        top += height;
    }
}

// Copy results: one action for the window's Ctrl+C and the results' context menu.
void CalculatorWindow::buildCopy()
{
    m_copyResults = new QAction(this);
    m_texts->keep([this] { m_copyResults->setText(tr("复制结果")); });
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
    QStringList header{tr("磁芯类型")};
    QStringList values{descriptorText(m_core.optionCaption)};
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
