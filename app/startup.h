#pragma once
// The application's setup, shared by main and by everything that starts the
// windows as the program does: the window tests, the benchmarks and the
// screenshot tool (all link yelduman_app, app/CMakeLists.txt).

namespace app {

// Names the application (name, version, desktop entry), gives it the stack
// icon, which every window shows, and the program's style. Call once, after
// the QApplication exists and before any window.
void SetUpApplication();

}  // namespace app
