// A core source that reaches for Windows' own header: the build must refuse it.
#include <windows.h>
