// Process entry of the window program.
#include <windows.h>

#include "app/StartUp.h"
#include "runtime/ProgramLifetime.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { getlink::RunProcess(getlink::StartUp); }
