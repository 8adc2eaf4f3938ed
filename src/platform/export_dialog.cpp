#include "platform/export_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "formats/identifier.h"

namespace pixlore {
namespace {

QComboBox* Choices(const QStringList& texts, int current, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItems(texts);
    box->setCurrentIndex(current);
    return box;
}

QString AddressText(int address) {
    return "$" + QString::number(address, 16).toUpper().rightJustified(4, '0');
}

}  // namespace

int ParseAddress(const QString& text) {
    QString digits = text.trimmed();
    int base = 10;
    if (digits.startsWith('$'))
        digits.remove(0, 1), base = 16;
    else if (digits.startsWith("0x", Qt::CaseInsensitive))
        digits.remove(0, 2), base = 16;
    bool ok = false;
    const int value = digits.toInt(&ok, base);
    return ok && value >= 0 && value <= 0xFFFF && !digits.startsWith('+') ? value : -1;
}

ExportDialog::ExportDialog(const ExportSettings& s, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Export");
    what_ =
        Choices({"Glyphs of the range", "All glyphs", "The map"}, static_cast<int>(s.what), this);
    format_ =
        Choices({"Assembler source", "C source", "C64 PRG"}, static_cast<int>(s.format), this);
    directive_ = Choices({".byte", "!byte", "db", "defb"}, static_cast<int>(s.directive), this);
    values_ = Choices({"$xx", "0xXX", "decimal"}, static_cast<int>(s.values), this);
    address_ = new QLineEdit(
        AddressText(s.loadAddress >= 0 ? s.loadAddress : DefaultLoadAddress(s.what)), this);
    label_ = new QLineEdit(QString::fromStdString(s.label), this);
    label_->setPlaceholderText("from the file name");

    auto* form = new QFormLayout(this);
    form->addRow("What:", what_);
    form->addRow("Format:", format_);
    form->addRow("Directive:", directive_);
    form->addRow("Values:", values_);
    form->addRow("Load address:", address_);
    form->addRow("Label:", label_);
    whyNotOk_ = new QLabel(this);
    whyNotOk_->setWordWrap(true);
    whyNotOk_->setTextFormat(Qt::PlainText);
    form->addRow(whyNotOk_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // The usual address follows what is written until the user types one of their own.
    connect(what_, &QComboBox::currentIndexChanged, this, [this](int index) {
        const int shown = ParseAddress(address_->text());
        if (shown == DefaultLoadAddress(ExportWhat::Map) ||
            shown == DefaultLoadAddress(ExportWhat::AllGlyphs))
            address_->setText(AddressText(DefaultLoadAddress(static_cast<ExportWhat>(index))));
    });
    connect(format_, &QComboBox::currentIndexChanged, this, [this] { updateFields(); });
    connect(address_, &QLineEdit::textChanged, this, [this] { updateFields(); });
    connect(label_, &QLineEdit::textChanged, this, [this] { updateFields(); });
    updateFields();
}

void ExportDialog::updateFields() {
    const auto format = static_cast<ExportFormat>(format_->currentIndex());
    directive_->setEnabled(format == ExportFormat::Assembler);
    values_->setEnabled(format == ExportFormat::Assembler);
    address_->setEnabled(format == ExportFormat::Prg);
    label_->setEnabled(format != ExportFormat::Prg);
    const std::string label = label_->text().toStdString();
    const bool labelOk = format == ExportFormat::Prg || label.empty() ||
                         (format == ExportFormat::C ? IsCArrayName(label) : IsIdentifier(label));
    const bool addressOk = format != ExportFormat::Prg || ParseAddress(address_->text()) >= 0;
    ok_->setEnabled(labelOk && addressOk);
    explainOk(labelOk, addressOk);
}

// A greyed OK alone leaves the user guessing what to mend.
void ExportDialog::explainOk(bool labelOk, bool addressOk) {
    whyNotOk_->setText(!labelOk     ? "The label must be a name C and assemblers take: a letter "
                                      "or _, then letters, digits or _."
                       : !addressOk ? "The load address must lie in $0000..$FFFF (written with $, "
                                      "0x or in decimal)."
                                    : "");
    whyNotOk_->setVisible(!labelOk || !addressOk);
    // The layout grows the dialog only to its minimum, which leaves a wrapped reason cut off.
    if (isVisible()) resize(width(), layout()->totalHeightForWidth(width()));
}

ExportSettings ExportDialog::settings() const {
    ExportSettings s;
    s.what = static_cast<ExportWhat>(what_->currentIndex());
    s.format = static_cast<ExportFormat>(format_->currentIndex());
    s.directive = static_cast<Directive>(directive_->currentIndex());
    s.values = static_cast<ValueStyle>(values_->currentIndex());
    s.loadAddress = ParseAddress(address_->text());
    s.label = label_->text().trimmed().toStdString();
    return s;
}

}  // namespace pixlore
