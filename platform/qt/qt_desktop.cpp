#include "platform/qt/qt_desktop.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>

#include "platform/qt/qt_text.h"

namespace dawnquill {
int QtMessageBoxes::MsgBox(std::string_view prompt, int buttons, std::string_view title) {
  const int icon = buttons & 0xF0;
  QMessageBox box(icon == mb::kIconWarning ? QMessageBox::Warning : QMessageBox::Information,
                  Utf8(title), Utf8(prompt));
  if ((buttons & 0x0F) == mb::kRetryCancel) {
    box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Retry);
    box.setEscapeButton(QMessageBox::Cancel);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  // A box closed by the end of the program, not by a button, counts as Cancel.
  switch (box.exec()) {
    case QMessageBox::Ok:
      return mb::kIdOk;
    case QMessageBox::Retry:
      return mb::kIdRetry;
    default:
      return mb::kIdCancel;
  }
}

void QtEventPass::DoEvents() { QCoreApplication::processEvents(); }

TimeOfDay QtClock::Now() const {
  const QTime now = QTime::currentTime();
  return {now.hour(), now.minute(), now.second()};
}

std::string LocaleDecimalSeparator() { return QLocale::system().decimalPoint().toStdString(); }

}  // namespace dawnquill
