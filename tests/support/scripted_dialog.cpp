#include "support/scripted_dialog.h"

#include <utility>

void DeclareTemplateGroups(int templateId, FakeDialogWindow& window) {
    switch (templateId) {
        case IDD_COMPORT:
            window.DeclareRadioGroup(
                {IDC_CHOOSE_COM1, IDC_CHOOSE_COM2, IDC_CHOOSE_COM3, IDC_CHOOSE_COM4});
            break;
        case IDD_CONFIGURATION:
            window.DeclareRadioGroup({IDC_CFG_COM1, IDC_CFG_COM2, IDC_CFG_COM3, IDC_CFG_COM4});
            window.DeclareRadioGroup({IDC_CFG_KHZ, IDC_CFG_MHZ});
            break;
        case IDD_STATION_EDIT:
            window.DeclareRadioGroup(
                {IDC_EDIT_MODE_AM, IDC_EDIT_MODE_USB, IDC_EDIT_MODE_LSB, IDC_EDIT_MODE_CW});
            window.DeclareRadioGroup({IDC_EDIT_AGC_SLOW, IDC_EDIT_AGC_MED, IDC_EDIT_AGC_FAST});
            break;
        default:
            break;
    }
}

std::function<int(DialogLogic&)> ShowDialogIn(FakeDialogWindow& window, DialogUser user) {
    return [&window, user = std::move(user)](DialogLogic& dialog) {
        window = FakeDialogWindow();
        DeclareTemplateGroups(dialog.TemplateId(), window);
        dialog.OnInitDialog(window);
        if (user) user(dialog, window);
        return window.endResult != 0 ? window.endResult : IDCANCEL;
    };
}

DialogUser Press(int buttonId) {
    return [buttonId](DialogLogic& dialog, FakeDialogWindow& window) {
        dialog.OnCommand(window, buttonId);
    };
}
