#include "window/design_field.hpp"

#include <QLineEdit>
#include <algorithm>
#include <string>

#include "calc/number_text.hpp"

namespace ferricalc {

DesignField::DesignField(std::optional<DesignInput> kind, const QString& objectName, QWidget* parent)
    : QDoubleSpinBox(parent), m_kind(kind)
{
    setObjectName(objectName);
    setGroupSeparatorShown(false);
    setAccelerated(true);
}

void DesignField::onEdited(std::function<void()> edited)
{
    connect(lineEdit(), &QLineEdit::textChanged, this, [edited = std::move(edited)] { edited(); });
}

QValidator::State DesignField::validate(QString& input, int& pos) const
{
    if (!refusalOf(input).isEmpty())
        return QValidator::Intermediate;
    return QDoubleSpinBox::validate(input, pos);
}

QString DesignField::refusalOf(const QString& input) const
{
    if (!specialValueText().isEmpty() && input == specialValueText())
        return {};
    QString number = input;
    if (!suffix().isEmpty() && number.endsWith(suffix()))
        number.chop(suffix().size());
    number = number.trimmed();
    if (number.isEmpty())
        return {};
    const QString point = locale().decimalPoint();
    const std::string separator = point.toStdString();
    // A minus sign typed first makes the value negative before any digit is
    // there to show it ("-", "-0." on the way to "-0.05").
    if (number.front() == QLatin1Char('-') || number.front() == QChar(0x2212)) {
        const QString rest = number.mid(1);
        if (std::all_of(rest.begin(), rest.end(), [&](QChar c) { return c.isDigit() || QString(c) == point; }))
            number = QStringLiteral("-1");
    }
    const std::string utf8 = number.toStdString();
    if (m_kind) {
        const InputReading reading = readDesignInput(*m_kind, utf8, separator);
        if (reading.error != DesignError::None && reading.error != DesignError::NotANumber)
            return QString::fromStdString(designErrorMessage(reading.error, Language::Chinese));
    }
    const std::optional<double> value = parseNumber(utf8, separator);
    if (value && *value > maximum())
        return QStringLiteral("不能大于 %1").arg(textFromValue(maximum()) + suffix());
    if (value && *value < minimum())
        return QStringLiteral("不能小于 %1").arg(textFromValue(minimum()) + suffix());
    return {};
}

}  // namespace ferricalc
