// Start-up of the window program: the program's objects, their destroyer, the framework,
// the main window, then the message loop until the window is gone.
#include "app/StartUp.h"

#include <memory>

#include "app/MainWindow.h"
#include "runtime/FatalError.h"
#include "runtime/ProgramLifetime.h"
#include "ui/controls/EditContextMenu.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/window/WindowFunctions.h"

namespace getlink {
namespace {

// The program's objects: the main window with its controls and its result record. They
// outlive the window and are destroyed once, by the runtime when the program ends.
std::unique_ptr<MainWindow> gMainWindow;

void GlobalDestroyer() { gMainWindow.reset(); }

}  // namespace

int StartUp() {
  gMainWindow = std::make_unique<MainWindow>();
  RegisterDestroyer(GlobalDestroyer);
  if (!FrameworkStartup(BuildEditContextMenu)) return kFatalExitStatus;  // GDI+ did not start: nothing can be drawn
  if (!gMainWindow->Open()) return kFatalExitStatus;
  RunMessageLoop();
  return 0;
}

}  // namespace getlink
