#pragma once
// The pieces the design window's pages are built of: its forms, their
// captions, and how a figure is coloured and written.

#include <QColor>
#include <QString>
#include <string_view>
#include <vector>

#include "calc/losses.hpp"

class QFormLayout;
class QGroupBox;
class QLabel;

namespace ferricalc::design_form {

// A figure not there to show.
inline const QString kNone = QStringLiteral("—");

inline QString text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

void paintText(QLabel& label, const QColor& colour);

// A loss input's range as a box holds it: an open bound moves in by the box's last decimal.
DesignInputLimits boxLimits(const LossInputLimits& limits);

// A group's form: captions left, fields at their size.
QFormLayout* formIn(QGroupBox& group);

// The forms of one column share the width of their captions, so that their fields line up.
void alignCaptions(const std::vector<QGroupBox*>& groups);

}  // namespace ferricalc::design_form
