#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/toolkit.h"

class QAbstractButton;
class QButtonGroup;
class QWidget;

// The toolkit's dialog window over Qt widgets: controls registered by id, radio groups by the id
// of their first button. Surface is the interface served: DialogWindow for the modal dialogs,
// MainWindowSurface for the main window, which adds its own parts.
template <class Surface>
class QtDialogWindowBase : public Surface {
  public:
    // top is the window itself; it must outlive this object.
    explicit QtDialogWindowBase(QWidget& top);

    void AddControl(int id, QWidget* widget);
    // The buttons (already added) form one exclusive group, in this order.
    void AddRadioGroup(const std::vector<int>& buttonIds);
    // The control with this id, or null.
    QWidget* Control(int id) const;
    // handler(id) runs after each click on a registered button, once Qt has applied the check
    // state the click gives; except buttons listed in ignored.
    void ForwardClicks(const std::function<void(int)>& handler,
                       const std::vector<int>& ignored = {});
    // Focus moved into an edit by SetFocus selects its text, as a dialog does for a field it
    // sends the user back to.
    void SetSelectTextOnFocus(bool on) { selectTextOnFocus_ = on; }

    int GetCheck(int id) override;
    void SetCheck(int id, int state) override;
    int GetRadioIndex(int firstId) override;
    void SetRadioIndex(int firstId, int index) override;
    void SetupSlider(int id, int minimum, int maximum, int tickEvery, int lineSize,
                     int pageSize) override;
    int GetSliderPosition(int id) override;
    void SetSliderPosition(int id, int position) override;
    std::string GetText(int id) override;
    void SetText(int id, const std::string& text) override;
    void AddListItem(int id, const std::string& text) override;
    int GetListSelection(int id) override;
    void SetListSelection(int id, int index) override;
    void SetFocus(int id) override;
    int GetFocus() override;
    void SetTitle(const std::string& title) override;
    // A QDialog ends with done(result); any other window closes.
    void EndDialog(int result) override;

  protected:
    QWidget& Top() const { return top_; }

  private:
    struct RadioGroup {
        std::vector<int> ids;
        QButtonGroup* group = nullptr;
    };

    const RadioGroup* GroupOf(int buttonId) const;
    QAbstractButton* Button(int id) const;

    QWidget& top_;
    std::map<int, QWidget*> controls_;
    std::vector<RadioGroup> groups_;
    bool selectTextOnFocus_ = false;
};

using QtDialogWindow = QtDialogWindowBase<DialogWindow>;
