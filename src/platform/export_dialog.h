#pragma once

#include <QDialog>

#include "formats/export_settings.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pixlore {

// The small dialog before an export: what to write, the format, the assembler's directive
// and value style, the PRG load address and the label.
class ExportDialog : public QDialog {
    Q_OBJECT

  public:
    ExportDialog(const ExportSettings& settings, QWidget* parent);
    // The choices made; valid after the dialog was accepted.
    ExportSettings settings() const;

    QComboBox* whatBox() const { return what_; }
    QComboBox* formatBox() const { return format_; }
    QComboBox* directiveBox() const { return directive_; }
    QComboBox* valuesBox() const { return values_; }
    QLineEdit* addressEdit() const { return address_; }
    QLineEdit* labelEdit() const { return label_; }
    QPushButton* okButton() const { return ok_; }
    // Says why OK is disabled; hidden while it is enabled.
    QLabel* whyNotOk() const { return whyNotOk_; }

  private:
    void updateFields();
    void explainOk(bool labelOk, bool addressOk);

    QComboBox* what_;
    QComboBox* format_;
    QComboBox* directive_;
    QComboBox* values_;
    QLineEdit* address_;
    QLineEdit* label_;
    QPushButton* ok_;
    QLabel* whyNotOk_;
};

// "$2000", "0x2000" or "8192" as an address 0..65535; -1 when it is none.
int ParseAddress(const QString& text);

}  // namespace pixlore
