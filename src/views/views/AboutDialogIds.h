/* Resource identifiers of the about window, shared by AboutDialog.rc and its view. */
#pragma once

#define IDD_ABOUT 2201

#define IDC_ABOUT_PRODUCT 2211
