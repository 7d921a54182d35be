// The exchange with the station-database program fills these in.

#include "ui/main_dialog.h"

void CMainDialog::OnZel() {}

int CMainDialog::OnCopyData(std::uint32_t, const std::uint8_t*, std::size_t) {
    return 0;
}
