/* Resource identifiers of the password dialogs, shared by PasswordDialogs.rc and the views. */
#pragma once

#define IDD_SET_PASSWORD 2101
#define IDD_UNLOCK_PROMPT 2102

#define IDC_OLD_PASSWORD 2111
#define IDC_NEW_PASSWORD 2112
#define IDC_CONFIRM_PASSWORD 2113
#define IDC_PASSWORD_HINT 2114

#define IDC_PROMPT_LABEL 2121
#define IDC_PROMPT_PASSWORD 2122
