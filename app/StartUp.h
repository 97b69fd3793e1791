#pragma once

namespace getlink {

// Builds the main window and runs the message loop; returns the exit code.
int StartUp();

}  // namespace getlink
