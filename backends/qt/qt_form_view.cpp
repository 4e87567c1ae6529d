#include "backends/qt/qt_form_view.h"

#include <algorithm>
#include <vector>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QValidator>

#include "backends/qt/qt_text.h"
#include "ui/form_geometry.h"
#include "ui/text_limit.h"

namespace dawnquill {

namespace {

QRect Rect(const PixelRect& r) { return {r.left, r.top, r.width, r.height}; }

// The tables hold English: a control's text is translated here, as it is shown.
QString Caption(const Control& control) { return Utf8(Tr(control.caption)); }

// Holds what the user types or pastes to the box's limit (LimitEdit); the program's own text is
// never cut, as QLineEdit::setMaxLength would cut it.
class LengthLimit final : public QValidator {
 public:
  LengthLimit(int limit, QLineEdit* box) : QValidator(box), limit_(limit), before_(box->text()) {
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
  }
  void Allow(const QString& text) { allowed_ = text; }
  State validate(QString& input, int& pos) const override {
    if (input == allowed_) return Acceptable;
    const LimitedEdit edit = LimitEdit(before_.toStdU16String(), input.toStdU16String(),
                                       static_cast<std::size_t>(limit_));
    if (edit.text.size() != static_cast<std::size_t>(input.size())) {
      input = QString::fromStdU16String(edit.text);
      pos = static_cast<int>(edit.cursor);
    }
    return Acceptable;
  }

 private:
  int limit_;
  QString before_;  // the text before the edit being validated
  QString allowed_;
};

}  // namespace

// The top-level widget: its only job is to hand close requests to the view.
class FormWindow final : public QWidget {
 public:
  FormWindow(QtFormView& view, Qt::WindowFlags flags) : QWidget(nullptr, flags), view_(view) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->setAccepted(view_.CloseEvent(event->spontaneous()));
  }

 private:
  QtFormView& view_;
};

QtFormView::QtFormView(const FormLayout& layout, QObject* parent)
    : QObject(parent), layout_(layout) {}

QtFormView::~QtFormView() { delete window_; }

void QtFormView::Open() {
  closing_ = false;
  firstShow_.Opened();
  if (window_) {
    window_->hide();
    window_->deleteLater();
  }
  widgets_.clear();
  controlOf_.clear();
  timers_.clear();
  menus_.clear();
  Build();
}

void QtFormView::Build() {
  Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint;
  flags |= layout_.taskbarButton ? Qt::Window : Qt::Tool;
  if (layout_.minimiseButton) flags |= Qt::WindowMinimizeButtonHint;
  if (layout_.aboveOthers) flags |= Qt::WindowStaysOnTopHint;
  window_ = new FormWindow(*this, flags);
  window_->setObjectName(Utf8(layout_.name));
  window_->setWindowTitle(Utf8(Tr(layout_.caption)));
  FitWindowFont();  // before the controls, which take the window's font as they are made
  const QFontMetrics metrics(window_->font());
  grown_.emplace(layout_, kStandardDpi,
                 [&](const std::string& text) { return metrics.horizontalAdvance(Utf8(text)); });
  const FormLayout& grown = grown_->Layout();
  window_->setFixedSize(Pixels(grown.clientWidth), Pixels(grown.clientHeight));
  for (const Control& control : grown.controls) {
    QWidget* parent = window_;
    if (QWidget* container = Widget(control.container)) parent = container;
    if (QWidget* widget = MakeControl(control, parent)) {
      controlOf_.emplace(widget, control.id);
      widget->installEventFilter(this);
      widgets_.emplace(control.id, widget);
    }
  }
  // Named for a screen reader: by a name of its own, or by the label that names it.
  for (const Control& control : layout_.controls) {
    QWidget* widget = Widget(control.id);
    if (widget != nullptr && !control.accessibleName.Empty()) {
      const QString name = Utf8(Tr(control.accessibleName));
      widget->setAccessibleName(name);
      // The focus, and with it the screen reader, is in a typed-in list's edit field.
      if (auto* combo = qobject_cast<QComboBox*>(widget))
        combo->lineEdit()->setAccessibleName(name);
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setBuddy(Widget(control.names));
  }
  SetTabOrder();
}

// Where the desktop's default font is wider than the one the layout was made for, the window's
// font is made smaller until the texts fit their controls instead of being cut off.
void QtFormView::FitWindowFont() {
  constexpr qreal kSmallest = 6.5;
  constexpr qreal kStep = 0.5;
  QFont font = window_->font();
  const std::vector<TextRoom> texts = TextsToFit(layout_);
  font.setPointSizeF(FittingSize(font.pointSizeF(), kSmallest, kStep, [&](double points) {
    QFont candidate = font;
    candidate.setPointSizeF(points);
    const QFontMetrics metrics(candidate);
    return std::all_of(texts.begin(), texts.end(), [&](const TextRoom& text) {
      return metrics.horizontalAdvance(Utf8(text.text)) <= text.pixels;
    });
  }));
  window_->setFont(font);
}

QWidget* QtFormView::MakeControl(const Control& control, QWidget* parent) {
  QWidget* widget = nullptr;
  switch (control.kind) {
    case ControlKind::Timer:
      MakeTimer(control);
      return nullptr;
    case ControlKind::Menu:
      menus_.emplace(control.id, new QMenu(Caption(control), window_));
      return nullptr;
    case ControlKind::MenuItem:
    case ControlKind::MenuSeparator:
      MakeMenuItem(control);
      return nullptr;
    case ControlKind::PushButton:
      widget = MakeButton(control, parent);
      break;
    case ControlKind::Frame:
      widget = MakeFrame(control, parent);
      break;
    case ControlKind::TextBox:
      widget = MakeTextBox(control, parent);
      break;
    case ControlKind::Label:
      widget = MakeLabel(control, parent);
      break;
    case ControlKind::ComboBox:
      widget = MakeComboBox(control, parent);
      break;
    case ControlKind::CheckBox:
      widget = new QCheckBox(Caption(control), parent);
      break;
  }
  widget->setGeometry(Rect(Place(control)));
  // Set on every control: a frame's style sheet would otherwise hand its children the
  // application's font instead of the window's.
  QFont font = window_->font();
  if (!control.font.face.empty()) {
    font = QFont(Utf8(control.font.face), control.font.points, QFont::Normal);
    font.setStyleHint(QFont::SansSerif);  // where the face is missing
  }
  widget->setFont(font);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) combo->lineEdit()->setFont(font);
  return widget;
}

void QtFormView::MakeTimer(const Control& control) {
  auto* timer = new QTimer(window_);
  timer->setInterval(control.interval);
  connect(timer, &QTimer::timeout, this, [this, id = control.id] {
    if (events_) events_->Timer(id);
  });
  timer->start();
  timers_.emplace(control.id, timer);
}

void QtFormView::MakeMenuItem(const Control& control) {
  QMenu* menu = Menu(control.container);
  if (menu == nullptr) return;
  if (control.kind == ControlKind::MenuSeparator) {
    menu->addSeparator();
    return;
  }
  QAction* action = menu->addAction(Caption(control));
  connect(action, &QAction::triggered, this, [this, id = control.id] {
    if (events_) events_->Click(id);
  });
  if (!control.shortcut.empty()) {
    // Its own action on the window: the icon's menu shows no shortcut, as it has no window's focus.
    auto* key = new QAction(window_);
    key->setShortcut(QKeySequence(Utf8(control.shortcut)));
    connect(key, &QAction::triggered, this, [this, id = control.id] {
      if (events_) events_->Click(id);
    });
    window_->addAction(key);
  }
}

QWidget* QtFormView::MakeButton(const Control& control, QWidget* parent) {
  auto* button = new QPushButton(Caption(control), parent);
  button->setAutoDefault(true);  // Enter on a focused button presses it
  connect(button, &QPushButton::clicked, this, [this, id = control.id] {
    if (events_) events_->Click(id);
  });
  return button;
}

QWidget* QtFormView::MakeFrame(const Control& control, QWidget* parent) {
  auto* frame = new QGroupBox(Caption(control), parent);
  // The caption sits in the frame's top border, as the layout's positions assume.
  frame->setStyleSheet(QStringLiteral(
      "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: 0.5em; }"
      "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
  return frame;
}

QWidget* QtFormView::MakeTextBox(const Control& control, QWidget* parent) {
  auto* box = new QLineEdit(Caption(control), parent);
  if (control.maxLength > 0) box->setValidator(new LengthLimit(control.maxLength, box));
  return box;
}

QWidget* QtFormView::MakeLabel(const Control& control, QWidget* parent) {
  auto* label = new QLabel(Caption(control), parent);
  label->setAlignment(Qt::AlignTop | (control.centred ? Qt::AlignHCenter : Qt::AlignLeft));
  return label;
}

QWidget* QtFormView::MakeComboBox(const Control& control, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);  // the lists never grow
  combo->setCompleter(nullptr);                 // what is typed stays as typed
  combo->setEditText(Caption(control));
  controlOf_.emplace(combo->lineEdit(), control.id);
  combo->lineEdit()->installEventFilter(this);
  return combo;
}

void QtFormView::SetTabOrder() {
  const std::vector<const Control*> order = TabOrder(layout_);
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(Widget(order[i - 1]->id), Widget(order[i]->id));
  }
}

bool QtFormView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || events_ == nullptr) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const auto found = controlOf_.find(watched);
  if (found == controlOf_.end()) return false;
  const ControlId control = found->second;
  if (key->key() == Qt::Key_Escape && layout_.cancelButton != ControlId{}) {
    PressButton(layout_.cancelButton);
    return true;
  }
  if (events_->Key(control, key->text().toStdString()) == KeyResult::Used) return true;
  ButtonKey which = ButtonKey::Other;
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      which = ButtonKey::Enter;
      break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      which = ButtonKey::Arrow;
      break;
    default:
      return false;
  }
  if (qobject_cast<QPushButton*>(watched) == nullptr) {
    if (which != ButtonKey::Enter || layout_.defaultButton == ControlId{}) return false;
    PressButton(layout_.defaultButton);  // Enter in a box
    return true;
  }
  // A focused button presses itself on Enter (autoDefault); it takes nothing else.
  return !PressesButton(which);
}

void QtFormView::PressButton(ControlId id) {
  if (auto* button = qobject_cast<QPushButton*>(Widget(id))) {
    if (button->isEnabled()) button->click();
  }
}

bool QtFormView::CloseEvent(bool spontaneous) {
  if (closing_ || events_ == nullptr) return true;
  // The window frame's close is the user's; any other close that does not come from the program
  // itself is Qt closing all windows as the session ends.
  return events_->CloseRequested(spontaneous ? CloseReason::User : CloseReason::SessionEnd) ==
         CloseVerdict::Close;
}

void QtFormView::Show() {
  if (window_) Present(false);
}

void QtFormView::Present(bool modal) {
  if (firstShow_.CentresAndFocuses(modal)) {
    if (QScreen* screen = window_->screen()) {
      window_->move(screen->availableGeometry().center() - window_->rect().center());
    }
    if (QWidget* first = Widget(layout_.firstFocus)) first->setFocus();
  }
  if (window_->isMinimized()) {
    window_->showNormal();
  } else {
    window_->show();
  }
  window_->raise();
  window_->activateWindow();
}

// Modal to every window of the program, as QDialog::open() is not: it blocks only a parent, and
// the ring's window has none.
void QtFormView::ShowModal() {
  if (!window_ || closing_) return;
  window_->setWindowModality(Qt::ApplicationModal);
  Present(true);
}

void QtFormView::Hide() {
  if (window_) window_->hide();
}

void QtFormView::Minimise() {
  if (window_) window_->showMinimized();
}

void QtFormView::Close() {
  closing_ = true;
  for (const auto& entry : timers_) entry.second->stop();
  if (window_) window_->hide();
  if (onClosed_) onClosed_();
}

QWidget* QtFormView::Window() const { return window_; }

QWidget* QtFormView::Widget(ControlId control) const {
  const auto found = widgets_.find(control);
  return found == widgets_.end() ? nullptr : found->second;
}

QMenu* QtFormView::Menu(ControlId menu) const {
  const auto found = menus_.find(menu);
  return found == menus_.end() ? nullptr : found->second;
}

bool QtFormView::Checked(ControlId checkBox) const {
  const auto* box = qobject_cast<QCheckBox*>(Widget(checkBox));
  return box != nullptr && box->isChecked();
}

void QtFormView::SetChecked(ControlId checkBox, bool checked) {
  if (auto* box = qobject_cast<QCheckBox*>(Widget(checkBox))) box->setChecked(checked);
}

std::string QtFormView::Text(ControlId control) const {
  QWidget* widget = Widget(control);
  QString text;
  if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    text = box->text();
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    text = combo->currentText();
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    text = label->text();
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    text = button->text();
  } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    text = frame->title();
  }
  return text.toStdString();
}

void QtFormView::SetText(ControlId control, std::string_view text) {
  QWidget* widget = Widget(control);
  const QString value = Utf8(text);
  if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    if (auto* limit = box->findChild<LengthLimit*>()) limit->Allow(value);
    box->setText(value);
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->setEditText(value);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(value);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(value);
  } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    frame->setTitle(value);
  }
}

void QtFormView::SetEnabled(ControlId control, bool enabled) {
  if (QWidget* widget = Widget(control)) widget->setEnabled(enabled);
}

void QtFormView::AddListItem(ControlId comboBox, std::string_view item) {
  if (auto* combo = qobject_cast<QComboBox*>(Widget(comboBox))) {
    // Adding to an empty list would replace the text in the box with the first entry.
    const QString text = combo->currentText();
    combo->addItem(Utf8(item));
    combo->setEditText(text);
  }
}

void QtFormView::SetTimerEnabled(ControlId timer, bool enabled) {
  const auto found = timers_.find(timer);
  if (found == timers_.end()) return;
  if (enabled) {
    found->second->start();
  } else {
    found->second->stop();
  }
}

void QtFormView::OpenMenu(ControlId menu) {
  if (QMenu* popup = Menu(menu)) popup->popup(QCursor::pos());
}

}  // namespace dawnquill
