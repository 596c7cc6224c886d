#pragma once

class QApplication;

namespace ferricalc {

// Names, default font and lifetime rules of the program, set once at start.
void configureApplication(QApplication& app);

}  // namespace ferricalc
