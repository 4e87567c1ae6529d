// The floor DawnQuill is measured against: a bare Qt Widgets program with the main window's
// controls, a five-second timer that does nothing, and a tray icon; nothing else.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Floor"));
  window.setFixedSize(289, 185);
  auto* alarm = new QGroupBox(QStringLiteral("Alarm"), &window);
  alarm->setGeometry(16, 16, 257, 73);
  (new QLabel(QStringLiteral("Alarm time:"), alarm))->setGeometry(8, 24, 65, 17);
  (new QLabel(QStringLiteral("Alarm status:"), alarm))->setGeometry(8, 48, 65, 17);
  (new QLabel(QStringLiteral("Alarm is off"), alarm))->setGeometry(80, 48, 129, 17);
  for (int left : {80, 128}) {
    auto* box = new QComboBox(alarm);
    box->setEditable(true);
    box->setGeometry(left, 24, 41, 21);
  }
  auto* snooze = new QGroupBox(QStringLiteral("Snooze"), &window);
  snooze->setGeometry(16, 96, 257, 41);
  (new QLabel(QStringLiteral("Delay:"), snooze))->setGeometry(8, 16, 65, 17);
  (new QLineEdit(QStringLiteral("9"), snooze))->setGeometry(80, 16, 25, 19);
  (new QLabel(QStringLiteral("minutes"), snooze))->setGeometry(112, 16, 41, 17);
  (new QPushButton(QStringLiteral("Exit"), &window))->setGeometry(16, 144, 81, 33);
  (new QPushButton(QStringLiteral("To tray"), &window))->setGeometry(104, 144, 81, 33);
  (new QPushButton(QStringLiteral("Turn alarm on"), &window))->setGeometry(192, 144, 81, 33);
  QTimer timer;
  timer.start(5000);
  QPixmap picture(16, 16);
  picture.fill(Qt::darkYellow);
  QSystemTrayIcon tray{QIcon(picture)};
  tray.show();
  window.show();
  return QApplication::exec();
}
