#pragma once

#include <functional>
#include <map>
#include <string>

#include <QEventLoop>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "platform/form_view.h"
#include "ui/control_table.h"

namespace dawnquill {

class FormWindow;

// Draws a control table as Qt widgets, one device-independent pixel to 15 twips, and forwards
// what the user does to the window's FormEvents. It decides nothing.
class QtFormView final : public QObject, public FormView {
 public:
  explicit QtFormView(const FormLayout& layout, QObject* parent = nullptr);
  ~QtFormView() override;

  void SetEvents(FormEvents* events) { events_ = events; }
  // Runs after every Close(); the main window ends the program here.
  void SetOnClosed(std::function<void()> onClosed) { onClosed_ = std::move(onClosed); }

  void Load() override;
  void Show() override;
  void ShowModal() override;
  void Hide() override;
  void Minimise() override;
  void Close() override;
  std::string Text(std::string_view control) const override;
  void SetText(std::string_view control, std::string_view text) override;
  void SetEnabled(std::string_view control, bool enabled) override;
  void AddItem(std::string_view comboBox, std::string_view item) override;
  void SetTimerEnabled(std::string_view timer, bool enabled) override;
  void PopupMenu(std::string_view menu) override;

  // For tests and the tray icon: the live widgets.
  QWidget* Window() const;
  QWidget* Widget(std::string_view control) const;
  QMenu* Menu(std::string_view menu) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
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
  void PressDefaultButton();
  // Returns true when the close may go ahead.
  bool CloseEvent(bool spontaneous);

  const FormLayout& layout_;
  FormEvents* events_ = nullptr;
  std::function<void()> onClosed_;
  QPointer<FormWindow> window_;
  std::map<std::string, QWidget*, std::less<>> widgets_;
  std::map<std::string, QTimer*, std::less<>> timers_;
  std::map<std::string, QMenu*, std::less<>> menus_;
  QEventLoop* modalLoop_ = nullptr;
  bool closing_ = false;
  bool shown_ = false;  // since the last load: the first showing centres the window
};

}  // namespace dawnquill
