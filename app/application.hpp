#pragma once

class QApplication;

namespace ferricalc {

// When the windows get the program's icon. Under X11 a window made while the
// program has an icon sends it in every size to the X server before its first
// frame; the program itself gives it once the selector's first frame is out.
enum class ProgramIcon { Now, Later };

// Names, default font and lifetime rules of the program, set once at start,
// and the program's icon now or, with ProgramIcon::Later, at setProgramIcon().
void configureApplication(QApplication& app, ProgramIcon icon = ProgramIcon::Now);

// Gives every window, open or to come, the program's icon; once.
void setProgramIcon();

}  // namespace ferricalc
