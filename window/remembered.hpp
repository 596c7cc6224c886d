#pragma once
// Where the windows were: each window's place and size kept in the settings
// under its object name when it goes, and given back when it next opens. A
// place on a screen no longer there is brought back onto one by Qt.

class QWidget;

namespace ferricalc::remembered {

void restoreGeometry(QWidget& window);
void keepGeometry(const QWidget& window);

}  // namespace ferricalc::remembered
