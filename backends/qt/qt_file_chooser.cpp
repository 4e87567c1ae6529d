#include "backends/qt/qt_file_chooser.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "backends/qt/qt_text.h"

namespace dawnquill {

void QtFileChooser::Choose(const std::string& startPath, Chosen chosen) {
  QWidget* over = QApplication::activeModalWidget();
  auto* dialog = new QFileDialog(over, QStringLiteral("Wake with"));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setFileMode(QFileDialog::ExistingFile);
  const QFileInfo start(Utf8(startPath));
  if (!startPath.empty() && start.isAbsolute()) dialog->setDirectory(start.absolutePath());
  dialog->setNameFilters({QStringLiteral("Sound files (*.mp3 *.ogg *.oga *.opus *.flac *.wav *.m4a "
                                         "*.m3u *.m3u8 *.pls)"),
                          QStringLiteral("All files (*)")});
  QObject::connect(
      dialog, &QFileDialog::fileSelected, dialog,
      [chosen = std::move(chosen)](const QString& path) { chosen(path.toStdString()); });
  dialog->open();
}

bool QtFileChooser::IsThere(const std::string& path) const { return QFileInfo::exists(Utf8(path)); }

}  // namespace dawnquill
