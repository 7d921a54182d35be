#include "app/com_port_dialog.h"

void CComPortDialog::OnInitDialog(DialogWindow& window) {
    window.SetRadioIndex(IDC_CHOOSE_COM1, index_);
}

void CComPortDialog::OnCommand(DialogWindow& window, int id) {
    if (id == IDOK) {
        const int chosen = window.GetRadioIndex(IDC_CHOOSE_COM1);
        if (chosen >= 0 && chosen <= 3) index_ = chosen;
        window.EndDialog(IDOK);
    } else if (id == IDCANCEL) {
        // Escape and the close box: no choice was made, the start value stands.
        window.EndDialog(IDCANCEL);
    }
}

int CComPortDialog::ChooseComPort() {
    index_ = 0;
    host_.RunModal(*this);
    return index_;
}
