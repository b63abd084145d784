#pragma once
// The program's start, shared by main and by everything that starts the
// windows as the program does: the window tests, the soak, the benchmarks
// and the screenshot tool.

namespace app {

// Names the application (name, version, desktop entry) and gives it the
// stack icon. Call once, after the QApplication exists and before any
// window.
void SetUpApplication();

}  // namespace app
