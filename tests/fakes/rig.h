#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/program.h"
#include "core/logger.h"
#include "core/wall_clock.h"
#include "ui/main/main_window_layout.h"
#include "ui/options/options_window_layout.h"
#include "ui/wake_up/wake_up_window_layout.h"

// Fakes of every back end that write what they are asked into one shared log, so that a test
// can check the order of effects where it matters.
namespace dawnquill::testing {

using Log = std::vector<std::string>;

class FakeFormView final : public FormView {
 public:
  FakeFormView(std::string name, const FormLayout& layout, Log& log)
      : name_(std::move(name)), layout_(layout), log_(log) {}

  void Open() override {
    texts.clear();
    for (const Control& control : layout_.controls) texts[control.id] = Tr(control.caption);
    Write("Open");
  }
  void Show() override { visible = true, Write("Show"); }
  void ShowModal() override { visible = true, Write("ShowModal"); }
  void Hide() override { visible = false, Write("Hide"); }
  void Minimise() override { Write("Minimise"); }
  void Close() override { visible = false, Write("Close"); }
  bool Checked(ControlId /*checkBox*/) const override { return false; }
  void SetChecked(ControlId /*checkBox*/, bool /*checked*/) override {}
  std::string Text(ControlId control) const override {
    const auto found = texts.find(control);
    return found == texts.end() ? std::string() : found->second;
  }
  void SetText(ControlId control, std::string_view text) override { texts[control] = text; }
  void SetEnabled(ControlId control, bool on) override { enabled[control] = on; }
  void AddListItem(ControlId control, std::string_view item) override {
    items[control].emplace_back(item);
  }
  void SetTimerEnabled(ControlId, bool on) override { Write(on ? "timer on" : "timer off"); }
  void OpenMenu(ControlId) override { Write("OpenMenu"); }
  void SetEvents(FormEvents* /*events*/) override {}

  std::map<ControlId, std::string> texts;
  std::map<ControlId, bool> enabled;
  std::map<ControlId, std::vector<std::string>> items;
  bool visible = false;

 private:
  void Write(const std::string& entry) { log_.push_back(name_ + "." + entry); }

  std::string name_;
  const FormLayout& layout_;
  Log& log_;
};

// Every back end outside the windows, in one: the player, the tray icon, the settings, the
// clock, the message boxes, the sleep inhibitor, the start at sign-in and the rest.
struct FakeDesktop : MediaPlayer,
                     NotificationIcon,
                     SettingsStore,
                     Clock,
                     MessageBoxes,
                     SleepInhibitor,
                     SignInStart,
                     WakeTimer,
                     TickTimer,
                     RingNotice,
                     DesktopNotice,
                     PlayerListener,
                     AlarmSound,
                     FileChooser,
                     LogSink,
                     PlayerVolume {
  void Choose(const std::string& /*startPath*/, Chosen /*chosen*/) override {}
  bool IsThere(const std::string& /*path*/) const override { return true; }

  bool Find() override { return playerRunning; }
  Result<> Send(PlayerCommand command) override {
    log.push_back(command == PlayerCommand::Play ? "player Play" : "player Stop");
    return {};
  }
  void Open(const std::string&, const std::string&, std::optional<ListEntry>,
            Opened opened) override {
    opened(std::optional<ListEntry>{});
  }
  void ReadPlaying(std::function<void(Result<PlayingNow>)> read) override { read(PlayingNow{}); }
  MissingPlayerPrompt Missing() const override { return {"Start a player.", "No player"}; }
  // The rig's player has no volume to tell, and no countdown of the rig ever runs out.
  Result<VolumeLevel> Volume() override { return Failure{"no volume"}; }
  Result<double> SetVolume(double /*level*/) override { return Failure{"no volume"}; }
  struct Stopped final : Countdown {
    void After(std::chrono::milliseconds /*delay*/, std::function<void()> /*due*/) override {}
    void Cancel() override {}
  } countdown;

  void Add(TrayPicture picture, std::string_view tip) override { Tray("add", picture, tip); }
  void Modify(TrayPicture picture, std::string_view tip) override { Tray("modify", picture, tip); }
  void Delete() override { log.push_back("tray delete"); }
  void SetEvents(NotificationIconEvents* /*events*/) override {}
  bool HasNotificationArea() const override { return hasArea; }
  void AwaitNotificationArea(std::chrono::seconds limit, std::function<void(bool)> done) override {
    log.push_back("await the area " + std::to_string(limit.count()) + " s");
    areaCame = std::move(done);
  }
  void Tray(std::string request, TrayPicture picture, std::string_view tip) {
    static constexpr const char* kPictures[] = {" armed ", " off ", " ringing "};
    log.push_back("tray " + request + kPictures[static_cast<int>(picture)] + std::string(tip));
  }

  // The store: the settings record, and the kept alarm's line where there is one.
  Settings Read() override { return stored; }
  Result<> Write(const Settings& s) override {
    stored = s;
    log.push_back("save " + Stored());
    return {};
  }
  StoredOptions ReadOptions() override { return options; }
  Result<> WriteOptions(const StoredOptions& o) override {
    options = o;
    log.push_back("save options " + o.repeat + " " + o.gentleStartSeconds + " " + o.wakeWith);
    return {};
  }
  std::string KeptAlarm() override { return keptAlarm.value_or(""); }
  Result<> KeepAlarm(std::string_view line) override {
    keptAlarm = line;
    log.push_back("save Alarm " + std::string(line));
    return {};
  }
  Result<> ClearKeptAlarm() override {
    if (keptAlarm) log.push_back("remove Alarm");
    keptAlarm.reset();
    return {};
  }

  // The stored hour, minute and delay, joined by spaces.
  std::string Stored() const {
    return stored.hour + " " + stored.minute + " " + stored.snoozeDelay;
  }
  WallTime Now() const override { return now; }
  // Central European time in 2027: summer time from 28 March to 31 October, 1:00 UTC.
  static std::chrono::seconds ZoneOffset(std::chrono::sys_seconds t) {
    using namespace std::chrono;
    const sys_seconds spring = sys_days{2027y / March / 28} + 1h;
    const sys_seconds autumn = sys_days{2027y / October / 31} + 1h;
    return t >= spring && t < autumn ? 2h : 1h;
  }
  WallTime LocalAt(std::chrono::sys_seconds t) const override {
    return UtcTimeAt(t + ZoneOffset(t));
  }
  // Of the two instants a wall time may stand for in autumn, the first, unless the rig stands at
  // an instant.
  std::chrono::sys_seconds Utc() const override {
    using namespace std::chrono;
    if (instant) return *instant;
    const sys_seconds wall{WallSeconds(now).time_since_epoch()};
    return WallSeconds(LocalAt(wall - 2h)) == WallSeconds(now) ? wall - 2h : wall - 1h;
  }

  // Answers from a queue, the "next answer" seam: a box with no answer queued stays open until
  // the test answers it, but for one that waits for no answer.
  BoxId Show(std::string_view prompt, std::string_view title, BoxKind, BoxButtons,
             MessageBoxes::Answered answered) override {
    log.push_back("msgbox " + std::string(title) + ": " + std::string(prompt));
    const BoxId box = ++boxes;
    if (!answered) return box;
    openBox.emplace(box, std::move(answered));
    if (!answers.empty()) {
      const BoxAnswer answer = answers.front();
      answers.pop_front();
      std::exchange(openBox, std::nullopt)->second(answer);
    }
    return box;
  }
  void Close(BoxId box) override {
    if (openBox && openBox->first == box) log.push_back("msgbox closed"), openBox.reset();
  }
  // The user's answer to the next box.
  void Answer(BoxAnswer answer) { answers.push_back(answer); }
  void Hold(std::string_view reason, Awake awake, SleepInhibitor::Answered answered) override {
    held = reason;
    screenHeld = awake == Awake::ComputerAndScreen;
    answered({});
  }
  void Release() override { held.clear(), screenHeld = false; }
  void WakeAt(std::chrono::sys_seconds instant, WakeTimer::Answered answered) override {
    wakes.push_back(instant);
    answered(WakeUpSet{});
  }
  void Cancel() override { wakes.push_back(std::nullopt); }
  void SetEvents(WakeTimerEvents* /*events*/) override {}
  void SetFor(std::chrono::sys_seconds /*instant*/) override {}
  void CancelTick() override {}
  void SetEvents(TickTimerEvents* /*events*/) override {}
  void Show(std::string_view time, RingNotice::Answered answered) override {
    log.push_back("notice " + std::string(time));
    answered({});
  }
  void Close() override { log.push_back("notice closed"); }
  void SetEvents(RingNoticeEvents* /*events*/) override {}
  Result<> Tell(std::string_view text) override {
    log.push_back("tell " + std::string(text));
    return {};
  }
  // The player as it sounds now, answered from the event loop.
  void Listen(std::function<void(const PlayerSound&)> heard) override {
    later.push_back([this, heard = std::move(heard)] { heard(playerSound); });
  }
  void Done() override {}
  void Start(Reported reported) override {
    log.push_back("own sound on");
    reported({});
  }
  void Stop() override { log.push_back("own sound off"); }
  void Line(logger::Level /*level*/, std::string_view text) override { lines.emplace_back(text); }
  Result<> Enable() override {
    startsAtSignIn = true;
    return {};
  }
  Result<> Disable() override {
    startsAtSignIn = false;
    return {};
  }

  Log log;
  Log lines;  // what the logger wrote
  bool playerRunning = true;
  PlayerSound playerSound{.playing = true};
  bool hasArea = true;
  Settings stored;
  StoredOptions options;
  std::optional<std::string> keptAlarm;
  WallTime now{6, 0, 0, 2027, 3, 1};
  std::optional<std::chrono::sys_seconds> instant;  // where the clock stands, when it is set so
  std::function<void(bool)> areaCame;  // the wait for the notification area, while it lasts
  bool startsAtSignIn = false;
  std::vector<std::optional<std::chrono::sys_seconds>> wakes;  // each set, or none for a cancel
  std::deque<std::function<void()>> later;  // answers that wait for the event loop
  std::deque<BoxAnswer> answers;
  std::optional<std::pair<BoxId, MessageBoxes::Answered>>
      openBox;  // the one box that waits for an answer
  BoxId boxes = 0;
  std::string held;  // what keeps the computer awake; empty when nothing does
  bool screenHeld = false;
};

// The whole program on fakes, started unless a test asks for the start itself.
struct Rig : FakeDesktop {
  enum Start { Started, NotStarted };
  explicit Rig(Start start = Started, std::string decimalSeparator = ".")
      : separator(std::move(decimalSeparator)),
        program(BackendsWith(mainView, wakeUpView, optionsView)) {
    logger::SetSink(this);
    if (start == Started) StartProgram();
  }
  ~Rig() override { logger::SetSink(nullptr); }

  // The rig's back ends, with other windows in their place.
  Backends BackendsWith(FormView& main, FormView& wakeUp, FormView& options) {
    return {main,  wakeUp, options, *this,     *this, *this,     *this,
            *this, *this,  *this,   *this,     *this, *this,     *this,
            *this, *this,  *this,   separator, *this, countdown, countdown};
  }
  // Starts the program and forgets what start-up wrote to the log.
  void StartProgram() {
    started = program.mainWindow.Start();
    log.clear();
  }
  void SetInputs(std::string hour, std::string minute, std::string delay) {
    mainView.texts[MainControl::HourBox] = std::move(hour);
    mainView.texts[MainControl::MinuteBox] = std::move(minute);
    mainView.texts[MainControl::DelayBox] = std::move(delay);
  }
  void Arm(std::string hour, std::string minute, std::string delay = "9") {
    SetInputs(std::move(hour), std::move(minute), std::move(delay));
    Toggle();
  }
  void Toggle() { program.mainWindow.Click(MainControl::ToggleButton); }
  void Snooze() { program.wakeUpWindow.Click(WakeUpControl::SnoozeButton); }
  void AlarmOff() { program.wakeUpWindow.Click(WakeUpControl::TurnOffButton); }
  // A tick at that time of the clock's present day.
  void TickAt(int hour, int minute, int second = 0) {
    Tick({hour, minute, second, now.year, now.month, now.day});
  }
  void Tick(const WallTime& at) {
    now = at;
    instant.reset();
    Tick();
  }
  // A tick at an instant, which on the night the clocks go back tells the two 2:30s apart.
  void TickAt(std::chrono::sys_seconds at) {
    now = LocalAt(at);
    instant = at;
    Tick();
  }
  // The timer's tick; the event loop then hands on what was answered, and a ring that came is
  // met with `onRing`.
  void Tick() {
    const bool ringing = wakeUpView.visible;
    program.mainWindow.Timer(MainControl::AlarmTimer);
    for (const auto& work : std::exchange(later, {})) work();
    if (!ringing && wakeUpView.visible && onRing) onRing();
  }
  // Rings at 6:00 and lets `user` act on the open wake-up window.
  void RingAnd(std::function<void()> user) {
    Arm("6", "0");
    onRing = std::move(user);
    TickAt(6, 0);
    onRing = [this] { AlarmOff(); };
  }
  std::string Main(MainControl control) const { return mainView.Text(control); }
  // The hour, minute and delay boxes' texts, joined by spaces.
  std::string Inputs() const {
    return Main(MainControl::HourBox) + " " + Main(MainControl::MinuteBox) + " " +
           Main(MainControl::DelayBox);
  }
  AlarmState State() const { return program.driver.State(); }
  // The log entries that start with `prefix`.
  Log Only(std::string_view prefix) const {
    Log found;
    for (const auto& entry : log)
      if (entry.starts_with(prefix)) found.push_back(entry);
    return found;
  }

  FakeFormView mainView{"main", main_window::Layout(), log};
  FakeFormView wakeUpView{"wakeUp", wake_up_window::Layout(), log};
  FakeFormView optionsView{"options", options_window::Layout(), log};
  std::string separator;
  Program program;
  bool started = false;
  std::function<void()> onRing = [this] { AlarmOff(); };  // the user, as a ring comes
};

}  // namespace dawnquill::testing
