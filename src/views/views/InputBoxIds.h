/* Resource identifiers of the input box, shared by InputBox.rc and its view. */
#pragma once

#define IDD_INPUT_BOX 2401

#define IDC_INPUT_PROMPT 2411
#define IDC_INPUT_TEXT 2412
