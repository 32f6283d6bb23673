#include "views/InputBoxView.hpp"

#include "views/InputBoxIds.h"

namespace umbrix::win32 {

InputBoxView::InputBoxView(ui::InputBox& box, ErrorHandler onError)
    : ModalDialogView(box, IDD_INPUT_BOX, std::move(onError)), box_(box) {}

void InputBoxView::onInit() {
    setText(IDC_INPUT_PROMPT, box_.prompt());
    setText(IDC_INPUT_TEXT, box_.text());
    HWND field = GetDlgItem(dialog_, IDC_INPUT_TEXT);
    SendMessageW(field, EM_SETSEL, 0, -1);
    SetFocus(field);
}

bool InputBoxView::onCommand(int id) {
    switch (id) {
        case IDOK:
            box_.setText(text(IDC_INPUT_TEXT));
            box_.okChosen();
            return true;
        case IDCANCEL: box_.cancelChosen(); return true;
        default: return false;
    }
}

}  // namespace umbrix::win32
