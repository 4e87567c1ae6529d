#pragma once

#include <functional>
#include <map>
#include <optional>

#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "interfaces/form_view.h"
#include "ui/control_table.h"
#include "ui/first_show.h"
#include "ui/form_growth.h"

namespace dawnquill {

class FormWindow;

// Draws a control table as Qt widgets, in device-independent pixels, and forwards
// what the user does to the window's FormEvents. It decides nothing.
class QtFormView final : public QObject, public FormView {
 public:
  explicit QtFormView(const FormLayout& layout, QObject* parent = nullptr);
  ~QtFormView() override;

  void SetEvents(FormEvents* events) override { events_ = events; }
  // Runs after every Close(); the main window ends the program here.
  void SetOnClosed(std::function<void()> onClosed) { onClosed_ = std::move(onClosed); }

  void Open() override;
  void Show() override;
  void ShowModal() override;
  void Hide() override;
  void Minimise() override;
  void Close() override;
  std::string Text(ControlId control) const override;
  void SetText(ControlId control, std::string_view text) override;
  void SetEnabled(ControlId control, bool enabled) override;
  bool Checked(ControlId checkBox) const override;
  void SetChecked(ControlId checkBox, bool checked) override;
  void AddListItem(ControlId comboBox, std::string_view item) override;
  void SetTimerEnabled(ControlId timer, bool enabled) override;
  void OpenMenu(ControlId menu) override;

  // For tests and the tray icon: the live widgets.
  QWidget* Window() const;
  QWidget* Widget(ControlId control) const;
  QMenu* Menu(ControlId menu) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Present(bool modal);
  friend class FormWindow;

  void Build();
  QWidget* MakeControl(const Control& control, QWidget* parent);
  void MakeTimer(const Control& control);
  void MakeMenuItem(const Control& control);
  QWidget* MakeButton(const Control& control, QWidget* parent);
  static QWidget* MakeFrame(const Control& control, QWidget* parent);
  static QWidget* MakeTextBox(const Control& control, QWidget* parent);
  static QWidget* MakeLabel(const Control& control, QWidget* parent);
  QWidget* MakeComboBox(const Control& control, QWidget* parent);
  void SetTabOrder();
  void FitWindowFont();
  void PressButton(ControlId id);
  // Returns true when the close may go ahead.
  bool CloseEvent(bool spontaneous);

  const FormLayout& layout_;
  std::optional<GrownForm> grown_;  // the places the controls are drawn at
  FormEvents* events_ = nullptr;
  std::function<void()> onClosed_;
  QPointer<FormWindow> window_;
  std::map<ControlId, QWidget*> widgets_;
  std::map<const QObject*, ControlId> controlOf_;  // the widgets that take keys, and a box's edit
  std::map<ControlId, QTimer*> timers_;
  std::map<ControlId, QMenu*> menus_;
  bool closing_ = false;
  FirstShow firstShow_;
};

}  // namespace dawnquill
