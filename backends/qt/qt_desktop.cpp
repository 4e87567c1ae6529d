#include "backends/qt/qt_desktop.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>

#include "backends/qt/qt_text.h"

namespace dawnquill {

BoxAnswer QtMessageBoxes::Show(std::string_view prompt, std::string_view title, BoxKind kind,
                               BoxButtons buttons) {
  QMessageBox box(kind == BoxKind::Warning ? QMessageBox::Warning : QMessageBox::Information,
                  Utf8(title), Utf8(prompt));
  if (buttons == BoxButtons::RetryCancel) {
    box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Retry);
    box.setEscapeButton(QMessageBox::Cancel);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  // A box closed by the end of the program, not by a button, counts as Cancel.
  switch (box.exec()) {
    case QMessageBox::Ok:
      return BoxAnswer::Ok;
    case QMessageBox::Retry:
      return BoxAnswer::Retry;
    default:
      return BoxAnswer::Cancel;
  }
}

void QtEventPass::RunPending() { QCoreApplication::processEvents(); }

void QtEventPass::Later(std::function<void()> work) {
  QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(work), Qt::QueuedConnection);
}

namespace {

Q_LOGGING_CATEGORY(alarmLog, "dawnquill", QtInfoMsg)

}  // namespace

void QtLogSink::Line(std::string_view text) { qCInfo(alarmLog).noquote() << Utf8(text); }

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
