/* Identifiers of the resources in Umbrix.exe, shared by Umbrix.rc and the program's code. */
#pragma once

/* The application icon: the lowest icon id, so Explorer shows it for the executable. */
#define IDI_UMBRIX 1
