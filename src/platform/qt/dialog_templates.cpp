#include "platform/qt/dialog_templates.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "base/control_ids.h"

namespace {

// Makes controls, registers them by id, and lays out the common parts.
class TemplateBuilder {
  public:
    TemplateBuilder(QDialog& dialog, QtDialogWindow& window) : dialog_(dialog), window_(window) {}

    QPushButton* Button(int id, const QString& caption, bool isDefault = false) {
        auto* button = new QPushButton(caption, &dialog_);
        button->setDefault(isDefault);
        window_.AddControl(id, button);
        return button;
    }
    QRadioButton* Radio(int id, const QString& caption) {
        auto* radio = new QRadioButton(caption, &dialog_);
        window_.AddControl(id, radio);
        return radio;
    }
    QLineEdit* Edit(int id, const QString& accessibleName = {}) {
        auto* edit = new QLineEdit(&dialog_);
        // Only for fields whose label is not beside them (column headings).
        if (!accessibleName.isEmpty()) {
            edit->setAccessibleName(accessibleName);
        }
        window_.AddControl(id, edit);
        return edit;
    }
    QComboBox* Combo(int id, bool editable) {
        auto* combo = new QComboBox(&dialog_);
        combo->setEditable(editable);
        combo->setInsertPolicy(QComboBox::NoInsert);
        window_.AddControl(id, combo);
        return combo;
    }
    QLabel* Static(int id, const QString& text) {
        auto* label = new QLabel(text, &dialog_);
        window_.AddControl(id, label);
        return label;
    }
    // A caption; with a buddy it names that field for assistive tools.
    QLabel* Label(const QString& text, QWidget* buddy = nullptr) {
        auto* label = new QLabel(text, &dialog_);
        label->setBuddy(buddy);
        return label;
    }
    // "OK", and "Cancel" when asked for, right-aligned at the foot.
    QHBoxLayout* OkCancelRow(bool withCancel) {
        auto* row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(Button(IDOK, QObject::tr("OK"), true));
        if (withCancel) {
            row->addWidget(Button(IDCANCEL, QObject::tr("Cancel")));
        }
        return row;
    }
    void RadioGroup(const std::vector<int>& ids) { window_.AddRadioGroup(ids); }
    QDialog& Dialog() { return dialog_; }

  private:
    QDialog& dialog_;
    QtDialogWindow& window_;
};

void BuildAbout(TemplateBuilder& b) {
    QDialog& dialog = b.Dialog();
    auto* icon = new QLabel(&dialog);
    icon->setPixmap(QIcon(QStringLiteral(":/zorivan.png")).pixmap(48, 48));
    icon->setAccessibleName(QObject::tr("ZORIVAN icon"));

    auto* versionRow = new QHBoxLayout;
    versionRow->addWidget(b.Label(QObject::tr("Ten-Tec RX-320 Control Program Version")));
    versionRow->addWidget(b.Static(IDC_ABOUT_VERSION, QStringLiteral("x.xx")));
    versionRow->addStretch();

    auto* texts = new QVBoxLayout;
    texts->addLayout(versionRow);
    texts->addWidget(
        b.Static(IDC_ABOUT_FIRMWARE, QStringLiteral("RX-320 Firmware-Version:   x.xx")));
    // The core fills in the one-key command list; it is long, so it wraps at the dialog's width.
    QLabel* keys = b.Static(IDC_ABOUT_KEYS, QString());
    keys->setWordWrap(true);
    keys->setMinimumWidth(380);
    keys->setTextInteractionFlags(Qt::TextSelectableByMouse);
    texts->addWidget(keys);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(top);
    layout->addLayout(b.OkCancelRow(false));
}

void BuildComPort(TemplateBuilder& b) {
    QDialog& dialog = b.Dialog();
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(b.Label(QObject::tr("Please select the COM port :")));
    const int ids[] = {IDC_CHOOSE_COM1, IDC_CHOOSE_COM2, IDC_CHOOSE_COM3, IDC_CHOOSE_COM4};
    for (int i = 0; i < 4; ++i) {
        layout->addWidget(b.Radio(ids[i], QStringLiteral("COM%1").arg(i + 1)));
    }
    b.RadioGroup({IDC_CHOOSE_COM1, IDC_CHOOSE_COM2, IDC_CHOOSE_COM3, IDC_CHOOSE_COM4});
    layout->addLayout(b.OkCancelRow(false));
}

// A labelled field with its unit after it, in one grid row.
void AddFieldRow(TemplateBuilder& b, QGridLayout* grid, int row, const QString& label, int id,
                 const QString& unit) {
    QLineEdit* edit = b.Edit(id);
    grid->addWidget(b.Label(label, edit), row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(b.Label(unit), row, 2);
}

void BuildConfiguration(TemplateBuilder& b) {
    QDialog& dialog = b.Dialog();
    auto* layout = new QVBoxLayout(&dialog);

    // Beside each port, the device it leads to on this host (editable: any path will do).
    auto* ports = new QGroupBox(QObject::tr("COM Port"), &dialog);
    auto* portGrid = new QGridLayout(ports);
    const int radioIds[] = {IDC_CFG_COM1, IDC_CFG_COM2, IDC_CFG_COM3, IDC_CFG_COM4};
    const int pathIds[] = {IDC_CFG_PATH_COM1, IDC_CFG_PATH_COM2, IDC_CFG_PATH_COM3,
                           IDC_CFG_PATH_COM4};
    for (int i = 0; i < 4; ++i) {
        QRadioButton* radio = b.Radio(radioIds[i], QStringLiteral("COM %1").arg(i + 1));
        QComboBox* path = b.Combo(pathIds[i], true);
        path->setAccessibleName(QObject::tr("Device of COM %1").arg(i + 1));
        path->setMinimumContentsLength(18);
        portGrid->addWidget(radio, i / 2, (i % 2) * 2);
        portGrid->addWidget(path, i / 2, (i % 2) * 2 + 1);
    }
    b.RadioGroup({IDC_CFG_COM1, IDC_CFG_COM2, IDC_CFG_COM3, IDC_CFG_COM4});
    // Why the chosen port cannot be opened; empty while it can.
    QLabel* problem = b.Static(IDC_CFG_PORT_PROBLEM, QString());
    problem->setWordWrap(true);
    problem->setStyleSheet(QStringLiteral("color: #b00000"));
    portGrid->addWidget(problem, 2, 0, 1, 4);
    layout->addWidget(ports);

    auto* unit = new QGroupBox(QObject::tr("Frequency input and display"), &dialog);
    auto* unitRow = new QHBoxLayout(unit);
    unitRow->addWidget(b.Radio(IDC_CFG_KHZ, QObject::tr("KHz")));
    unitRow->addWidget(b.Radio(IDC_CFG_MHZ, QObject::tr("MHz")));
    unitRow->addStretch();
    b.RadioGroup({IDC_CFG_KHZ, IDC_CFG_MHZ});
    layout->addWidget(unit);

    auto* correction = new QGroupBox(QObject::tr("Frequency correction"), &dialog);
    auto* correctionGrid = new QGridLayout(correction);
    correctionGrid->addWidget(b.Label(QObject::tr("Freq. ( KHz )")), 0, 0);
    correctionGrid->addWidget(b.Label(QObject::tr("Corr. ( Hz )")), 0, 1);
    correctionGrid->addWidget(b.Edit(IDC_CFG_POINT1, QObject::tr("Point 1 frequency, kHz")), 1, 0);
    correctionGrid->addWidget(b.Edit(IDC_CFG_CORRECTION1, QObject::tr("Point 1 correction, Hz")), 1,
                              1);
    correctionGrid->addWidget(b.Edit(IDC_CFG_POINT2, QObject::tr("Point 2 frequency, kHz")), 2, 0);
    correctionGrid->addWidget(b.Edit(IDC_CFG_CORRECTION2, QObject::tr("Point 2 correction, Hz")), 2,
                              1);
    layout->addWidget(correction);

    auto* fields = new QGridLayout;
    AddFieldRow(b, fields, 0, QObject::tr("CW frequency :"), IDC_CFG_CW_FREQUENCY,
                QObject::tr("( Hz )"));
    AddFieldRow(b, fields, 1, QObject::tr("Tuning time slow :"), IDC_CFG_TIME_SLOW,
                QObject::tr("( milliseconds )"));
    AddFieldRow(b, fields, 2, QObject::tr("Tuning time fast :"), IDC_CFG_TIME_FAST,
                QObject::tr("( milliseconds )"));
    layout->addLayout(fields);
    layout->addLayout(b.OkCancelRow(true));
}

// A labelled row of radio buttons forming one group.
void AddRadioRow(TemplateBuilder& b, QGridLayout* grid, int row, const QString& label,
                 const std::vector<std::pair<int, QString>>& buttons) {
    auto* line = new QHBoxLayout;
    std::vector<int> ids;
    for (const auto& [id, caption] : buttons) {
        line->addWidget(b.Radio(id, caption));
        ids.push_back(id);
    }
    line->addStretch();
    b.RadioGroup(ids);
    grid->addWidget(b.Label(label), row, 0);
    grid->addLayout(line, row, 1);
}

void BuildStationEdit(TemplateBuilder& b) {
    QDialog& dialog = b.Dialog();
    auto* grid = new QGridLayout;

    QLineEdit* name = b.Edit(IDC_EDIT_NAME);
    name->setMinimumWidth(220);
    grid->addWidget(b.Label(QObject::tr("Station :"), name), 0, 0);
    grid->addWidget(name, 0, 1);
    QLineEdit* frequency = b.Edit(IDC_EDIT_FREQUENCY);
    grid->addWidget(b.Label(QObject::tr("Frequency :"), frequency), 1, 0);
    grid->addWidget(frequency, 1, 1);
    AddRadioRow(b, grid, 2, QObject::tr("Mode :"),
                {{IDC_EDIT_MODE_AM, QObject::tr("AM")},
                 {IDC_EDIT_MODE_USB, QObject::tr("USB")},
                 {IDC_EDIT_MODE_LSB, QObject::tr("LSB")},
                 {IDC_EDIT_MODE_CW, QObject::tr("CW")}});
    AddRadioRow(b, grid, 3, QObject::tr("AGC :"),
                {{IDC_EDIT_AGC_SLOW, QObject::tr("Slow")},
                 {IDC_EDIT_AGC_MED, QObject::tr("Med")},
                 {IDC_EDIT_AGC_FAST, QObject::tr("Fast")}});
    QComboBox* filter = b.Combo(IDC_EDIT_FILTER, false);
    grid->addWidget(b.Label(QObject::tr("Filter :"), filter), 4, 0);
    grid->addWidget(filter, 4, 1, Qt::AlignLeft);
    QLineEdit* shift = b.Edit(IDC_EDIT_PBSHIFT);
    grid->addWidget(b.Label(QObject::tr("PBShift :"), shift), 5, 0);
    grid->addWidget(shift, 5, 1);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(grid);
    layout->addLayout(b.OkCancelRow(true));
}

void BuildStationFile(TemplateBuilder& b) {
    QDialog& dialog = b.Dialog();
    auto* grid = new QGridLayout(&dialog);
    grid->addWidget(b.Button(IDC_FILE_NEW, QObject::tr("New")), 0, 0);
    grid->addWidget(b.Button(IDC_FILE_OPEN, QObject::tr("Open")), 0, 1);
    grid->addWidget(b.Button(IDC_FILE_SAVE, QObject::tr("Save")), 1, 0);
    grid->addWidget(b.Button(IDC_FILE_SAVE_AS, QObject::tr("Save as")), 1, 1);
    grid->addWidget(b.Button(IDCANCEL, QObject::tr("Cancel")), 2, 0, 1, 2, Qt::AlignHCenter);
}

struct Template {
    int id;
    const char* title;
    void (*build)(TemplateBuilder&);
};

constexpr Template kTemplates[] = {
    {IDD_ABOUTBOX, "About ZORIVAN", BuildAbout},
    {IDD_COMPORT, "ZORIVAN  COMPort", BuildComPort},
    {IDD_CONFIGURATION, "ZORIVAN  Configuration", BuildConfiguration},
    {IDD_STATION_EDIT, "ZORIVAN  Station", BuildStationEdit},
    {IDD_STATION_FILE, "ZORIVAN Station File", BuildStationFile},
};

}  // namespace

bool BuildDialogTemplate(int templateId, QDialog& dialog, QtDialogWindow& window) {
    for (const Template& entry : kTemplates) {
        if (entry.id == templateId) {
            dialog.setWindowTitle(QObject::tr(entry.title));
            TemplateBuilder builder(dialog, window);
            entry.build(builder);
            // Fixed size, as the templates are: the layout decides it.
            dialog.layout()->setSizeConstraint(QLayout::SetFixedSize);
            return true;
        }
    }
    return false;
}
