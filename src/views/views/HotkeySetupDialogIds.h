/* Resource identifiers of the hotkey setup dialog, shared by HotkeySetupDialog.rc and its view. */
#pragma once

#define IDD_HOTKEY_SETUP 2301

#define IDC_HOTKEY_HEADING 2310
#define IDC_HIDE_LABEL 2311
#define IDC_HIDE_KEYS 2312
#define IDC_TEST_HIDE 2313
#define IDC_UNHIDE_LABEL 2314
#define IDC_UNHIDE_KEYS 2315
#define IDC_TEST_UNHIDE 2316
#define IDC_EXIT_STEALTH_LABEL 2317
#define IDC_EXIT_STEALTH_KEYS 2318
#define IDC_TEST_EXIT_STEALTH 2319
#define IDC_DEFAULT_KEYS 2320
