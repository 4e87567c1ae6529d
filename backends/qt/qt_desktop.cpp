#include "backends/qt/qt_desktop.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
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

void QtEventPass::DoEvents() { QCoreApplication::processEvents(); }

WallTime QtClock::Now() const {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate date = now.date();
  const QTime time = now.time();
  return {time.hour(), time.minute(), time.second(), date.year(), date.month(), date.day()};
}

std::chrono::sys_seconds QtClock::Utc() const {
  return std::chrono::sys_seconds{std::chrono::seconds{QDateTime::currentSecsSinceEpoch()}};
}

std::string LocaleDecimalSeparator() { return QLocale::system().decimalPoint().toStdString(); }

}  // namespace dawnquill
