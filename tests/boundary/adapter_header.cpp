// A core source that reaches for a Win32 adapter: the core's include roots do not hold it.
#include "win32/Utf16.hpp"
