#pragma once
// The pieces the design window's pages are built of: its forms, their
// captions, and how a figure is coloured and written.

#include <QColor>
#include <QString>
#include <string_view>
#include <vector>

class QFormLayout;
class QGroupBox;
class QLabel;

namespace ferricalc::design_form {

// A figure not there to show.
inline const QString kNone = QStringLiteral("—");

inline QString text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

void paintText(QLabel& label, const QColor& colour);

// A group's form: captions left, fields at their size.
QFormLayout* formIn(QGroupBox& group);

// The forms of one column share the width of their captions, so that their fields line up.
void alignCaptions(const std::vector<QGroupBox*>& groups);

}  // namespace ferricalc::design_form
