// Stands in for the system's <mmsystem.h> in the core's include path only: the core talks to
// Windows through the ports (src/ports/platform), and Windows' own headers belong to the adapters.
#error "umbrix_core must not include <mmsystem.h>: Windows is reached through a port in src/ports/platform, implemented in src/win32"
