#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/program.h"
#include "ui/main/main_window_layout.h"
#include "ui/wake_up/wake_up_window_layout.h"

// Fakes of every back end that write what they are asked into one shared log, so that a test
// can check the order of effects where it matters.
namespace dawnquill::testing {

using Log = std::vector<std::string>;

class FakeFormView final : public FormView {
 public:
  FakeFormView(std::string name, const FormLayout& layout, Log& log)
      : name_(std::move(name)), layout_(layout), log_(log) {}

  void Load() override {
    texts.clear();
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
  std::string Text(std::string_view control) const override {
    const auto found = texts.find(std::string(control));
    return found == texts.end() ? std::string() : found->second;
  }
  void SetText(std::string_view control, std::string_view text) override {
    texts[std::string(control)] = text;
  }
  void SetEnabled(std::string_view control, bool on) override {
    enabled[std::string(control)] = on;
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

class FakeMediaPlayer final : public MediaPlayer {
 public:
  explicit FakeMediaPlayer(Log& log) : log_(log) {}
  bool Find() override { return running; }
  void Send(PlayerCommand command) override {
    static constexpr const char* kNames[] = {"Previous", "Play", "Pause", "Stop", "Next"};
    log_.push_back(std::string("player ") + kNames[static_cast<int>(command)]);
  }
  bool running = true;

 private:
  Log& log_;
};

class FakeNotificationIcon final : public NotificationIcon {
 public:
  explicit FakeNotificationIcon(Log& log) : log_(log) {}
  void Add(TrayPicture picture, std::string_view tip) override { Write("add", picture, tip); }
  void Modify(TrayPicture picture, std::string_view tip) override { Write("modify", picture, tip); }
  void Delete() override { log_.push_back("tray delete"); }
  bool HasNotificationArea() const override { return hasArea; }
  bool hasArea = true;

 private:
  void Write(const char* request, TrayPicture picture, std::string_view tip) {
    log_.push_back(std::string("tray ") + request + " " +
                   std::to_string(static_cast<int>(picture)) + " " + std::string(tip));
  }
  Log& log_;
};

// Keeps the settings by "APP/KEY"; every program's section is "Settings".
class FakeSettings final : public SettingsStore {
 public:
  explicit FakeSettings(Log& log) : log_(log) {}
  std::string GetSetting(std::string_view app, std::string_view, std::string_view key,
                         std::string_view fallback) override {
    const auto found = values.find(std::string(app) + "/" + std::string(key));
    return found == values.end() ? std::string(fallback) : found->second;
  }
  void SaveSetting(std::string_view app, std::string_view, std::string_view key,
                   std::string_view value) override {
    values[std::string(app) + "/" + std::string(key)] = value;
    log_.push_back("save " + std::string(key) + " " + std::string(value));
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
  BoxAnswer Show(std::string_view prompt, std::string_view title, BoxKind /*kind*/,
                 BoxButtons /*buttons*/) override {
    log_.push_back("msgbox " + std::string(title) + ": " + std::string(prompt));
    if (answers.empty()) return BoxAnswer::Ok;
    auto [answer, action] = answers.front();
    answers.pop_front();
    if (action) action();
    return answer;
  }
  // The user does `action` while the box is open, then gives `answer`.
  void Next(BoxAnswer answer, std::function<void()> action = {}) {
    answers.push_back({answer, std::move(action)});
  }
  std::deque<std::pair<BoxAnswer, std::function<void()>>> answers;

 private:
  Log& log_;
};

class FakeEventPass final : public EventPass {
 public:
  explicit FakeEventPass(Log& log) : log_(log) {}
  void DoEvents() override { log_.push_back("doevents"); }

 private:
  Log& log_;
};

// What is held, and why; empty when nothing is.
class FakeInhibitor final : public SleepInhibitor {
 public:
  void Hold(std::string_view reason) override { held = reason; }
  void Release() override { held.clear(); }
  std::string held;
};

// The whole program on fakes.
struct Rig {
  explicit Rig(std::string decimalSeparator = ".")
      : separator(std::move(decimalSeparator)),
        program(BackendsWith(mainView, wakeUpView, player, boxes)) {}

  // The rig's back ends, with other windows, player or message boxes in their place.
  Backends BackendsWith(FormView& main, FormView& wakeUp, MediaPlayer& mediaPlayer,
                        MessageBoxes& messageBoxes) {
    return {.mainView = main,
            .wakeUpView = wakeUp,
            .player = mediaPlayer,
            .notificationIcon = icon,
            .settings = settings,
            .executable = executable,
            .clock = clock,
            .messageBoxes = messageBoxes,
            .events = events,
            .inhibitor = inhibitor,
            .decimalSeparator = separator};
  }

  // Starts the program and forgets what start-up wrote to the log.
  void Start() {
    started = program.mainWindow.Start();
    log.clear();
  }
  void SetInputs(std::string hour, std::string minute, std::string delay) {
    mainView.texts[std::string(main_window::cmbHour)] = std::move(hour);
    mainView.texts[std::string(main_window::cmbMin)] = std::move(minute);
    mainView.texts[std::string(main_window::txtSnoozeDelay)] = std::move(delay);
  }
  void Arm(std::string hour, std::string minute, std::string delay = "9") {
    SetInputs(std::move(hour), std::move(minute), std::move(delay));
    program.mainWindow.Click(main_window::cmdToggleAlarm);
  }
  void TickAt(int hour, int minute, int second = 0) {
    clock.now = {hour, minute, second};
    program.mainWindow.Timer(main_window::TimerAlarm);
  }
  // Rings at 6:00 and lets `user` act on the open wake-up window.
  void RingAnd(std::function<void()> user) {
    Arm("6", "0");
    wakeUpView.whileModal = std::move(user);
    TickAt(6, 0);
  }
  std::string Main(std::string_view control) const { return mainView.Text(control); }
  AlarmState State() const { return program.alarm.State(); }
  // The log entries that start with `prefix`.
  Log Only(std::string_view prefix) const {
    Log found;
    for (const auto& entry : log)
      if (entry.starts_with(prefix)) found.push_back(entry);
    return found;
  }

  Log log;
  FakeFormView mainView{"main", main_window::Layout(), log};
  FakeFormView wakeUpView{"wakeUp", wake_up_window::Layout(), log};
  FakeMediaPlayer player{log};
  FakeNotificationIcon icon{log};
  FakeSettings settings{log};
  FakeExecutable executable;
  FakeClock clock;
  FakeMessageBoxes boxes{log};
  FakeEventPass events{log};
  FakeInhibitor inhibitor;
  std::string separator;
  Program program;
  bool started = false;
};

}  // namespace dawnquill::testing
