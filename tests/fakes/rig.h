#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/program.h"
#include "ui/alarm/frm_alarm_layout.h"
#include "ui/main/frm_main_layout.h"

// Fakes of every back end that write what they are asked into one shared log, so that a test
// can check the order of effects across the window, the tray, the player and the settings.
namespace dawnquill::testing {

using Log = std::vector<std::string>;

class FakeFormView final : public FormView {
 public:
  FakeFormView(std::string name, const FormLayout& layout, Log& log)
      : name_(std::move(name)), layout_(layout), log_(log) {}

  void Load() override {
    texts.clear();
    enabled.clear();
    for (const Control& control : layout_.controls)
      texts[std::string(control.name)] = control.caption;
    loaded = true;
    Write("Load");
  }
  void Show() override { visible = true, Write("Show"); }
  void ShowModal() override {
    visible = true;
    Write("ShowModal");
    if (whileModal) whileModal();
  }
  void Hide() override { visible = false, Write("Hide"); }
  void Minimise() override { Write("Minimise"); }
  void Close() override { visible = false, loaded = false, Write("Close"); }
  std::uintptr_t Handle() const override { return 0x1234; }
  std::string Text(std::string_view control) const override {
    const auto found = texts.find(std::string(control));
    return found == texts.end() ? std::string() : found->second;
  }
  void SetText(std::string_view control, std::string_view text) override {
    texts[std::string(control)] = text;
    Write("SetText " + std::string(control) + " " + std::string(text));
  }
  void SetEnabled(std::string_view control, bool on) override {
    enabled[std::string(control)] = on;
    Write("SetEnabled " + std::string(control) + (on ? " on" : " off"));
  }
  void AddItem(std::string_view control, std::string_view item) override {
    items[std::string(control)].emplace_back(item);
  }
  void SetTimerEnabled(std::string_view timer, bool on) override {
    Write("Timer " + std::string(timer) + (on ? " on" : " off"));
  }
  void PopupMenu(std::string_view menu) override { Write("PopupMenu " + std::string(menu)); }

  std::map<std::string, std::string> texts;
  std::map<std::string, bool> enabled;
  std::map<std::string, std::vector<std::string>> items;
  bool loaded = false;
  bool visible = false;
  std::function<void()> whileModal;  // what the user does while the window is modal

 private:
  void Write(const std::string& entry) { log_.push_back(name_ + "." + entry); }

  std::string name_;
  const FormLayout& layout_;
  Log& log_;
};

class FakePlayerWindows final : public PlayerWindows {
 public:
  explicit FakePlayerWindows(Log& log) : log_(log) {}
  PlayerHandle FindByClass(std::string_view className) override {
    lastClass = className;
    return running ? handle : PlayerHandle();
  }
  void Send(const PlayerHandle& window, std::uint32_t message, std::uintptr_t wParam,
            std::intptr_t lParam) override {
    log_.push_back("player " + std::to_string(wParam));
    sent.push_back({window, message, wParam, lParam});
  }
  struct Sent {
    PlayerHandle window;
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
  };
  bool running = true;
  PlayerHandle handle = ":1.42";
  std::string lastClass;
  std::vector<Sent> sent;

 private:
  Log& log_;
};

class FakeNotifyIcon final : public NotifyIcon {
 public:
  explicit FakeNotifyIcon(Log& log) : log_(log) {}
  bool Shell_NotifyIcon(NotifyMessage message, const TrayData& data) override {
    static constexpr const char* kNames[] = {"add", "modify", "delete"};
    const std::string tip(data.szTip.data());
    log_.push_back(std::string("tray ") + kNames[static_cast<int>(message)] + " " +
                   std::to_string(data.hIcon) + " " + tip);
    last = data;
    return true;
  }
  bool HasNotificationArea() const override { return hasArea; }
  bool hasArea = true;
  TrayData last;

 private:
  Log& log_;
};

class FakeImageList final : public ImageList {
 public:
  IconHandle Icon(int picture) override { return static_cast<IconHandle>(picture); }
};

class FakeSettings final : public SettingsStore {
 public:
  explicit FakeSettings(Log& log) : log_(log) {}
  std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                         std::string_view fallback) override {
    const auto found = values.find(Path(app, section, key));
    return found == values.end() ? std::string(fallback) : found->second;
  }
  void SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                   std::string_view value) override {
    values[Path(app, section, key)] = value;
    log_.push_back("save " + std::string(key) + " " + std::string(value));
  }
  static std::string Path(std::string_view app, std::string_view section, std::string_view key) {
    return std::string(app) + "/" + std::string(section) + "/" + std::string(key);
  }
  std::map<std::string, std::string> values;

 private:
  Log& log_;
};

class FakeExecutable final : public Executable {
 public:
  std::string Name() const override { return name; }
  std::string name = "DawnQuill";
};

class FakeClock final : public Clock {
 public:
  TimeOfDay Now() const override { return now; }
  TimeOfDay now{6, 0, 0};
};

// Answers message boxes from a queue, the "next answer" seam; an empty queue answers OK.
class FakeMessageBoxes final : public MessageBoxes {
 public:
  explicit FakeMessageBoxes(Log& log) : log_(log) {}
  int MsgBox(std::string_view prompt, int buttons, std::string_view title) override {
    log_.push_back("msgbox " + std::string(title) + ": " + std::string(prompt) + " (" +
                   std::to_string(buttons) + ")");
    if (answers.empty()) return mb::kIdOk;
    auto [answer, action] = answers.front();
    answers.pop_front();
    if (action) action();
    return answer;
  }
  // The user does `action` while the box is open, then gives `answer`.
  void Next(int answer, std::function<void()> action = {}) { answers.push_back({answer, action}); }
  std::deque<std::pair<int, std::function<void()>>> answers;

 private:
  Log& log_;
};

class FakeEventPass final : public EventPass {
 public:
  explicit FakeEventPass(Log& log) : log_(log) {}
  void DoEvents() override {
    log_.push_back("doevents");
    if (action) action();
  }
  std::function<void()> action;

 private:
  Log& log_;
};

// The whole program on fakes.
struct Rig {
  explicit Rig(std::string decimalSeparator = ".")
      : separator(std::move(decimalSeparator)), program(MakeBackends()) {}

  Backends MakeBackends() {
    return {.mainView = mainView,
            .alarmView = alarmView,
            .playerWindows = player,
            .notifyIcon = shell,
            .trayIcons = pictures,
            .settings = settings,
            .executable = executable,
            .clock = clock,
            .messageBoxes = boxes,
            .events = events,
            .decimalSeparator = separator};
  }

  // Starts the program and forgets what start-up wrote to the log.
  void Start() {
    started = program.frmMain.Start();
    log.clear();
  }
  void SetInputs(std::string hour, std::string minute, std::string delay) {
    mainView.texts[std::string(frm_main::cmbUur)] = std::move(hour);
    mainView.texts[std::string(frm_main::cmbMin)] = std::move(minute);
    mainView.texts[std::string(frm_main::txtSnoozeDelay)] = std::move(delay);
  }
  void Arm(std::string hour, std::string minute, std::string delay = "9") {
    SetInputs(std::move(hour), std::move(minute), std::move(delay));
    program.frmMain.Click(frm_main::cmdToggleAlarm);
  }
  void TickAt(int hour, int minute, int second = 0) {
    clock.now = {hour, minute, second};
    program.frmMain.Timer(frm_main::TimerAlarm);
  }
  std::string Main(std::string_view control) const { return mainView.Text(control); }
  AlarmState State() const { return program.global.AlarmState; }
  // The log entries that start with `prefix`.
  Log Only(std::string_view prefix) const {
    Log found;
    for (const auto& entry : log)
      if (entry.starts_with(prefix)) found.push_back(entry);
    return found;
  }

  Log log;
  FakeFormView mainView{"main", frm_main::Layout(), log};
  FakeFormView alarmView{"alarm", frm_alarm::Layout(), log};
  FakePlayerWindows player{log};
  FakeNotifyIcon shell{log};
  FakeImageList pictures;
  FakeSettings settings{log};
  FakeExecutable executable;
  FakeClock clock;
  FakeMessageBoxes boxes{log};
  FakeEventPass events{log};
  std::string separator;
  Program program;
  bool started = false;
};

}  // namespace dawnquill::testing
