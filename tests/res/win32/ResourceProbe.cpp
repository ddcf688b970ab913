// A program that does nothing: linked with the resource object, it gives the
// resource check a file to read before the real program exists.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
