#include "backends/qt/qt_file_chooser.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "backends/qt/qt_text.h"
#include "core/texts.h"

namespace dawnquill {

void QtFileChooser::Choose(const std::string& startPath, Chosen chosen) {
  QWidget* over = QApplication::activeModalWidget();
  auto* dialog = new QFileDialog(over, Utf8(Tr("Wake with")));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setFileMode(QFileDialog::ExistingFile);
  const QFileInfo start(Utf8(startPath));
  if (!startPath.empty() && start.isAbsolute()) dialog->setDirectory(start.absolutePath());
  // Qt reads the patterns from between the brackets of whatever the translation says.
  dialog->setNameFilters(
      {Utf8(Fill(Tr("Sound files (%1)"), {"*.mp3 *.ogg *.oga *.opus *.flac *.wav *.m4a *.m3u "
                                          "*.m3u8 *.pls"})),
       Utf8(Fill(Tr("All files (%1)"), {"*"}))});
  QObject::connect(
      dialog, &QFileDialog::fileSelected, dialog,
      [chosen = std::move(chosen)](const QString& path) { chosen(path.toStdString()); });
  dialog->open();
}

bool QtFileChooser::IsThere(const std::string& path) const { return QFileInfo::exists(Utf8(path)); }

}  // namespace dawnquill
