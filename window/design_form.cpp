#include "window/design_form.hpp"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>
#include <cmath>

namespace ferricalc::design_form {

void paintText(QLabel& label, const QColor& colour)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
}

DesignInputLimits boxLimits(const LossInputLimits& limits)
{
    const double step = std::pow(10.0, -limits.decimals);
    return {limits.column, limits.minimumOpen ? limits.minimum + step : limits.minimum,
            limits.maximumOpen ? limits.maximum - step : limits.maximum, limits.start, limits.decimals};
}

QFormLayout* formIn(QGroupBox& group)
{
    auto* form = new QFormLayout(&group);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setHorizontalSpacing(8);
    form->setVerticalSpacing(5);
    return form;
}

void alignCaptions(const std::vector<QGroupBox*>& groups)
{
    std::vector<QWidget*> captions;
    for (const QGroupBox* group : groups) {
        const auto* form = qobject_cast<const QFormLayout*>(group->layout());
        if (form == nullptr)
            continue;
        for (int row = 0; row < form->rowCount(); ++row)
            if (const QLayoutItem* item = form->itemAt(row, QFormLayout::LabelRole); item && item->widget())
                captions.push_back(item->widget());
    }
    int width = 0;
    for (const QWidget* caption : captions)
        width = std::max(width, caption->sizeHint().width());
    for (QWidget* caption : captions)
        caption->setMinimumWidth(width);
}

}  // namespace ferricalc::design_form
