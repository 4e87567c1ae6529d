#include "backends/qt/qt_desktop.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>

#include "backends/qt/qt_text.h"

namespace dawnquill {

MessageBoxes::BoxId QtMessageBoxes::Show(std::string_view prompt, std::string_view title,
                                         BoxKind kind, BoxButtons buttons, Answered answered) {
  auto* box =
      new QMessageBox(kind == BoxKind::Warning ? QMessageBox::Warning : QMessageBox::Information,
                      Utf8(title), Utf8(prompt));
  if (buttons == BoxButtons::RetryCancel) {
    box->setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
    box->setDefaultButton(QMessageBox::Retry);
    box->setEscapeButton(QMessageBox::Cancel);
  } else {
    box->setStandardButtons(QMessageBox::Ok);
  }
  box->setWindowModality(Qt::ApplicationModal);
  const BoxId id = ++shown_;
  open_.emplace(id, box);
  connect(box, &QMessageBox::finished, this,
          [this, id, box, answered = std::move(answered)](int button) {
            box->deleteLater();
            // A box that the program took away is not answered.
            if (open_.erase(id) == 0 || !answered) return;
            // A box closed otherwise than by a button counts as Cancel.
            switch (button) {
              case QMessageBox::Ok:
                return answered(BoxAnswer::Ok);
              case QMessageBox::Retry:
                return answered(BoxAnswer::Retry);
              default:
                return answered(BoxAnswer::Cancel);
            }
          });
  box->show();
  return id;
}

void QtMessageBoxes::Close(BoxId box) {
  const auto found = open_.find(box);
  if (found == open_.end()) return;
  const QPointer<QMessageBox> shown = found->second;
  open_.erase(found);
  if (shown) shown->done(QMessageBox::Cancel);
}

namespace {

Q_LOGGING_CATEGORY(alarmLog, "dawnquill", QtInfoMsg)

}  // namespace

void QtLogSink::Line(logger::Level level, std::string_view text) {
  switch (level) {
    case logger::Level::Info:
      qCInfo(alarmLog).noquote() << Utf8(text);
      break;
    case logger::Level::Warning:
      qCWarning(alarmLog).noquote() << Utf8(text);
      break;
    case logger::Level::Error:
      qCCritical(alarmLog).noquote() << Utf8(text);
      break;
  }
}

namespace {

WallTime Wall(const QDateTime& at) {
  const QDate date = at.date();
  const QTime time = at.time();
  return {time.hour(), time.minute(), time.second(), date.year(), date.month(), date.day()};
}

}  // namespace

WallTime QtClock::Now() const { return Wall(QDateTime::currentDateTime()); }

WallTime QtClock::LocalAt(std::chrono::sys_seconds instant) const {
  return Wall(QDateTime::fromSecsSinceEpoch(instant.time_since_epoch().count(), Qt::LocalTime));
}

std::chrono::sys_seconds QtClock::Utc() const {
  return std::chrono::sys_seconds{std::chrono::seconds{QDateTime::currentSecsSinceEpoch()}};
}

std::string LocaleDecimalSeparator() { return QLocale::system().decimalPoint().toStdString(); }

}  // namespace dawnquill
