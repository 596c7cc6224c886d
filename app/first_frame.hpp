#pragma once
// A start-up probe for timing harnesses. When the environment variable
// FERRICALC_ANNOUNCE_FIRST_FRAME is set, the window's first complete frame is
// announced with the line "first-frame" on standard output, and the process then
// stops itself (SIGSTOP) so that the harness reads its memory at that very moment
// before it kills it; with the value "exit" it ends there instead, for a profiler.
// Without the variable this does nothing but read it.

class QWidget;

namespace ferricalc {

void announceFirstFrame(QWidget& window);

}  // namespace ferricalc
