#include "window/design_field.hpp"

#include <QLineEdit>
#include <algorithm>
#include <string>

#include "calc/number_text.hpp"
#include "window/language.hpp"

namespace ferricalc {

DesignField::DesignField(std::optional<DesignInput> kind, const QString& objectName, QWidget* parent)
    : QDoubleSpinBox(parent), m_kind(kind)
{
    setObjectName(objectName);
    setAccelerated(true);
}

DesignField::DesignField(LossInput kind, const QString& objectName, QWidget* parent)
    : DesignField(std::optional<DesignInput>(), objectName, parent)
{
    m_lossKind = kind;
}

void DesignField::onEdited(std::function<void()> edited)
{
    connect(lineEdit(), &QLineEdit::textChanged, this, [edited = std::move(edited)] { edited(); });
}

void DesignField::setGapLimit(double limit, bool ring)
{
    m_gapLimit = limit;
    m_ring = ring;
    // A gap the new core cannot hold stays as typed and is refused, never cut down unseen.
    setMaximum(std::max(limit, value()));
}

std::string DesignField::separator() const { return locale().decimalPoint().toStdString(); }

QString DesignField::numberIn(const QString& input) const
{
    QString number = input;
    if (!suffix().isEmpty() && number.endsWith(suffix()))
        number.chop(suffix().size());
    return number.trimmed();
}

QString DesignField::textFromValue(double value) const
{
    const ResultText text = formatNumber(value, DisplayFormat{decimals(), true, ""}, separator());
    return QString::fromUtf8(text.view().data(), static_cast<qsizetype>(text.view().size()));
}

double DesignField::valueFromText(const QString& text) const
{
    if (!specialValueText().isEmpty() && text == specialValueText())
        return minimum();
    return parseNumber(numberIn(text).toStdString(), separator()).value_or(value());
}

QValidator::State DesignField::validate(QString& input, int&) const
{
    if (!specialValueText().isEmpty() && input == specialValueText())
        return QValidator::Acceptable;
    const QString number = numberIn(input);
    if (number.isEmpty() || !refusalOf(input).isEmpty())
        return QValidator::Intermediate;
    const std::string utf8 = number.toStdString();
    const std::optional<double> value = parseNumber(utf8, separator());
    if (!value)  // a number on its way ("1.", "2e") reads once a digit follows
        return parseNumber(utf8 + '0', separator()) ? QValidator::Intermediate : QValidator::Invalid;
    // No more decimals than the box shows: what it shows is what the design uses.
    return parseNumber(textFromValue(*value).toStdString(), separator()) == value ? QValidator::Acceptable
                                                                                  : QValidator::Invalid;
}

QString DesignField::refusalOf(const QString& input) const
{
    if (!specialValueText().isEmpty() && input == specialValueText())
        return {};
    QString number = numberIn(input);
    if (number.isEmpty())
        return {};
    const QString point = locale().decimalPoint();
    // A minus sign typed first makes the value negative before any digit is
    // there to show it ("-", "-0." on the way to "-0.05").
    if (number.front() == QLatin1Char('-') || number.front() == QChar(0x2212)) {
        const QString rest = number.mid(1);
        if (std::all_of(rest.begin(), rest.end(), [&](QChar c) { return c.isDigit() || QString(c) == point; }))
            number = QStringLiteral("-1");
    }
    const std::string utf8 = number.toStdString();
    if (m_kind) {
        const InputReading reading = readDesignInput(*m_kind, utf8, separator(), m_gapLimit);
        if (reading.error != DesignError::None && reading.error != DesignError::NotANumber)
            return QString::fromStdString(readingMessage(reading, *m_kind, m_ring, currentLanguage(), separator()));
    }
    if (m_lossKind) {
        const LossInputReading reading = readLossInput(*m_lossKind, utf8, separator());
        if (reading.error != LossError::None && reading.error != LossError::NotANumber)
            return QString::fromStdString(lossErrorMessage(reading.error, currentLanguage()));
    }
    const std::optional<double> value = parseNumber(utf8, separator());
    // The box's limits stand in its tooltip; the reason stays short.
    if (value && *value > maximum())
        return tr("不能超过 %1").arg(textFromValue(maximum()));
    if (value && *value < minimum())
        return tr("不能小于 %1").arg(textFromValue(minimum()));
    return {};
}

}  // namespace ferricalc
