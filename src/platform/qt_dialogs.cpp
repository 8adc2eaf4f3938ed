#include "platform/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

#include "platform/export_dialog.h"

namespace pixlore {
namespace {

QStringList ToQt(const std::vector<std::string>& list) {
    QStringList out;
    for (const auto& s : list)
        out << QString::fromStdString(s);
    return out;
}

// Open dialogs take names of files that do not exist (the loaders report them), but only in
// a folder that does; the toolkit's own dialog would take any folder.
class FileDialog : public QFileDialog {
  public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList files = selectedFiles();
        if (acceptMode() == AcceptOpen && !files.isEmpty() &&
            !QFileInfo(QFileInfo(files.first()).absolutePath()).isDir())
            return;
        QFileDialog::accept();
    }
};

Dialogs::FileChoice Run(QFileDialog::AcceptMode mode, const std::string& title,
                        const std::string& folder, const std::string& filters) {
    FileDialog dialog(QApplication::activeWindow(), QString::fromStdString(title),
                      QString::fromStdString(folder));
    // The toolkit's own dialog everywhere, so that the filter in force can be read back.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (mode == QFileDialog::AcceptSave) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList names = ToQt(NameFilters(filters));
    dialog.setNameFilters(names);
    if (!names.isEmpty()) dialog.selectNameFilter(names.first());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    Dialogs::FileChoice choice;
    choice.name = dialog.selectedFiles().first().toStdString();
    choice.filterIndex = std::max(0, static_cast<int>(names.indexOf(dialog.selectedNameFilter())));
    return choice;
}

}  // namespace

std::vector<std::string> NameFilters(const std::string& filters) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= filters.size()) {
        const std::size_t bar = filters.find('|', start);
        parts.push_back(
            filters.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    std::vector<std::string> out;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        const std::string& description = parts[i];
        std::string pattern = i + 1 < parts.size() ? parts[i + 1] : "";
        // A filter given without a pattern (".bmp") shows its text and the files it names.
        if (pattern.empty()) pattern = description.rfind('.', 0) == 0 ? "*" + description : "*";
        out.push_back(description.find('(') != std::string::npos
                          ? description
                          : description + " (" + pattern + ")");
    }
    return out;
}

void QtDialogs::message(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

Dialogs::FileChoice QtDialogs::openFile(const std::string& title, const std::string& folder,
                                        const std::string& filters) {
    return Run(QFileDialog::AcceptOpen, title, folder, filters);
}

Dialogs::FileChoice QtDialogs::saveFile(const std::string& title, const std::string& folder,
                                        const std::string& filters) {
    return Run(QFileDialog::AcceptSave, title, folder, filters);
}

bool QtDialogs::exportOptions(ExportSettings& settings) {
    ExportDialog dialog(settings, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) return false;
    settings = dialog.settings();
    return true;
}

}  // namespace pixlore
