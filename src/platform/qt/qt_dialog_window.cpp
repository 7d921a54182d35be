#include "platform/qt/qt_dialog_window.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QWidget>
#include <algorithm>

#include "ui/main_window_surface.h"

namespace {

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

// Unchecking inside an exclusive group needs the group's exclusivity lifted for a moment.
void SetButtonChecked(QAbstractButton* button, bool checked) {
    QButtonGroup* group = button->group();
    const bool exclusive = group != nullptr && group->exclusive();
    if (exclusive && !checked) {
        group->setExclusive(false);
    }
    button->setChecked(checked);
    if (exclusive && !checked) {
        group->setExclusive(true);
    }
}

}  // namespace

template <class Surface>
QtDialogWindowBase<Surface>::QtDialogWindowBase(QWidget& top) : top_(top) {}

template <class Surface>
void QtDialogWindowBase<Surface>::AddControl(int id, QWidget* widget) {
    controls_[id] = widget;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        // Texts set by id are data (file names, values), never markup.
        label->setTextFormat(Qt::PlainText);
    }
}

template <class Surface>
void QtDialogWindowBase<Surface>::AddRadioGroup(const std::vector<int>& buttonIds) {
    RadioGroup radioGroup{buttonIds, new QButtonGroup(&top_)};
    for (int id : buttonIds) {
        if (QAbstractButton* button = Button(id)) {
            // The group, not the parent widget, decides which buttons exclude each other.
            button->setAutoExclusive(false);
            button->setCheckable(true);
            radioGroup.group->addButton(button, id);
        }
    }
    radioGroup.group->setExclusive(true);
    groups_.push_back(radioGroup);
}

template <class Surface>
QWidget* QtDialogWindowBase<Surface>::Control(int id) const {
    auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

template <class Surface>
void QtDialogWindowBase<Surface>::ForwardClicks(const std::function<void(int)>& handler,
                                                const std::vector<int>& ignored) {
    for (const auto& [id, widget] : controls_) {
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if (button == nullptr || std::find(ignored.begin(), ignored.end(), id) != ignored.end()) {
            continue;
        }
        // clicked comes after the button has taken the check state the click gives it.
        QObject::connect(button, &QAbstractButton::clicked, button,
                         [handler, controlId = id] { handler(controlId); });
    }
}

template <class Surface>
int QtDialogWindowBase<Surface>::GetCheck(int id) {
    QAbstractButton* button = Button(id);
    return button != nullptr && button->isChecked() ? 1 : 0;
}

template <class Surface>
void QtDialogWindowBase<Surface>::SetCheck(int id, int state) {
    if (QAbstractButton* button = Button(id)) {
        SetButtonChecked(button, state != 0);
    }
}

template <class Surface>
int QtDialogWindowBase<Surface>::GetRadioIndex(int firstId) {
    const RadioGroup* group = GroupOf(firstId);
    if (group == nullptr || group->ids.front() != firstId) {
        return -1;
    }
    for (std::size_t i = 0; i < group->ids.size(); ++i) {
        QAbstractButton* button = Button(group->ids[i]);
        if (button != nullptr && button->isChecked()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

template <class Surface>
void QtDialogWindowBase<Surface>::SetRadioIndex(int firstId, int index) {
    const RadioGroup* group = GroupOf(firstId);
    if (group == nullptr || group->ids.front() != firstId) {
        return;
    }
    for (std::size_t i = 0; i < group->ids.size(); ++i) {
        if (QAbstractButton* button = Button(group->ids[i])) {
            SetButtonChecked(button, static_cast<int>(i) == index);
        }
    }
}

template <class Surface>
void QtDialogWindowBase<Surface>::SetupSlider(int id, int minimum, int maximum, int tickEvery,
                                              int lineSize, int pageSize) {
    auto* slider = qobject_cast<QAbstractSlider*>(Control(id));
    if (slider == nullptr) {
        return;
    }
    const QSignalBlocker quiet(slider);
    slider->setRange(minimum, maximum);
    slider->setSingleStep(lineSize);
    slider->setPageStep(pageSize);
    if (auto* ticked = qobject_cast<QSlider*>(slider)) {
        ticked->setTickInterval(tickEvery);
        ticked->setTickPosition(tickEvery > 0 ? QSlider::TicksBelow : QSlider::NoTicks);
    }
}

template <class Surface>
int QtDialogWindowBase<Surface>::GetSliderPosition(int id) {
    auto* slider = qobject_cast<QAbstractSlider*>(Control(id));
    return slider == nullptr ? 0 : slider->value();
}

template <class Surface>
void QtDialogWindowBase<Surface>::SetSliderPosition(int id, int position) {
    if (auto* slider = qobject_cast<QAbstractSlider*>(Control(id))) {
        // A position set by the program is not a user's move and must not come back as one.
        const QSignalBlocker quiet(slider);
        slider->setValue(position);
    }
}

template <class Surface>
std::string QtDialogWindowBase<Surface>::GetText(int id) {
    QWidget* widget = Control(id);
    QString text;
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        text = edit->text();
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        text = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        text = button->text();
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        text = combo->currentText();
    } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        text = box->title();
    }
    return text.toStdString();
}

template <class Surface>
void QtDialogWindowBase<Surface>::SetText(int id, const std::string& text) {
    QWidget* widget = Control(id);
    const QString value = ToQt(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(value);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(value);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(value);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        if (combo->isEditable()) {
            combo->setEditText(value);
        } else {
            combo->setCurrentIndex(combo->findText(value));
        }
    } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        box->setTitle(value);
    }
}

template <class Surface>
void QtDialogWindowBase<Surface>::AddListItem(int id, const std::string& text) {
    if (auto* combo = qobject_cast<QComboBox*>(Control(id))) {
        const QSignalBlocker quiet(combo);
        const QString keptText = combo->currentText();
        combo->addItem(ToQt(text));
        // Adding the first item selects it; an editable box keeps the text it shows.
        if (combo->isEditable()) {
            combo->setEditText(keptText);
        }
    }
}

template <class Surface>
int QtDialogWindowBase<Surface>::GetListSelection(int id) {
    auto* combo = qobject_cast<QComboBox*>(Control(id));
    return combo == nullptr ? -1 : combo->currentIndex();
}

template <class Surface>
void QtDialogWindowBase<Surface>::SetListSelection(int id, int index) {
    if (auto* combo = qobject_cast<QComboBox*>(Control(id))) {
        combo->setCurrentIndex(index);
    }
}

template <class Surface>
void QtDialogWindowBase<Surface>::SetFocus(int id) {
    QWidget* widget = Control(id);
    if (widget == nullptr) {
        return;
    }
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget); edit != nullptr && selectTextOnFocus_) {
        edit->selectAll();
    }
}

template <class Surface>
int QtDialogWindowBase<Surface>::GetFocus() {
    // The window's own record of its focus child, valid also while the window is not active.
    for (QWidget* widget = top_.focusWidget(); widget != nullptr && widget != &top_;
         widget = widget->parentWidget()) {
        for (const auto& [id, control] : controls_) {
            if (control == widget) {
                return id;
            }
        }
    }
    return 0;
}

template <class Surface>
void QtDialogWindowBase<Surface>::SetTitle(const std::string& title) {
    top_.setWindowTitle(ToQt(title));
}

template <class Surface>
void QtDialogWindowBase<Surface>::EndDialog(int result) {
    if (auto* dialog = qobject_cast<QDialog*>(&top_)) {
        dialog->done(result);
    } else {
        top_.close();
    }
}

template <class Surface>
auto QtDialogWindowBase<Surface>::GroupOf(int buttonId) const -> const RadioGroup* {
    for (const RadioGroup& group : groups_) {
        if (std::find(group.ids.begin(), group.ids.end(), buttonId) != group.ids.end()) {
            return &group;
        }
    }
    return nullptr;
}

template <class Surface>
QAbstractButton* QtDialogWindowBase<Surface>::Button(int id) const {
    return qobject_cast<QAbstractButton*>(Control(id));
}

template class QtDialogWindowBase<DialogWindow>;
template class QtDialogWindowBase<MainWindowSurface>;
