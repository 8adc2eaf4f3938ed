// The commands of the menus, the popup menus and the shortcuts.
#include "app/editor.h"
#include "app/ids.h"
#include "charmap/charmap.h"
#include "charmap/map_typing.h"

namespace pixlore {
namespace {

BuiltInCharset BuiltInCharsetOf(int command) {
    switch (command) {
        case Command::CharsetIbmCga:
            return BuiltInCharset::IbmPcCga;
        case Command::CharsetIbm866:
            return BuiltInCharset::IbmPc866;
        case Command::CharsetZxSpectrum:
            return BuiltInCharset::ZxSpectrum;
        case Command::CharsetZx80:
            return BuiltInCharset::Zx80;
        case Command::CharsetJupiterAce:
            return BuiltInCharset::JupiterAce;
        case Command::CharsetC64:
            return BuiltInCharset::C64Caps;
        case Command::CharsetAtari:
            return BuiltInCharset::AtariXl;
        case Command::CharsetMicrosha:
            return BuiltInCharset::Microsha;
        default:
            return BuiltInCharset::HexNumbers;
    }
}

}  // namespace

void Editor::DispatchCommand(int id) {
    using namespace Command;
    switch (id) {
        case Open:
            OpenFileCommand();
            break;
        case Quit:
            QuitProgram();
            break;
        case SaveZx:
            SaveGlyphsOrMap(768);
            break;
        case SaveAtari:
            SaveGlyphsOrMap(1024);
            break;
        case SaveIbm:
            SaveGlyphsOrMap(2048);
            break;
        case SaveCharacterMap:
            SaveGlyphsOrMap(-1);
            break;
        case SaveCharactersImage:
            SaveCharsetPicture();
            break;
        case Invert:
            ApplyGlyphOperation(GlyphOp::Invert);
            break;
        case RevertLeftRight:
            ApplyGlyphOperation(GlyphOp::RevertLeftRight);
            break;
        case RevertUpDown:
            ApplyGlyphOperation(GlyphOp::RevertUpDown);
            break;
        case Command::EraseAllCharset:
            pixlore::EraseAllCharset(state_.charset);
            RefreshViews();
            break;
        case ClearCharacter:
            ApplyGlyphOperation(GlyphOp::Clear);
            break;
        case ShiftLeft:
            ApplyGlyphOperation(GlyphOp::ShiftLeft);
            break;
        case ShiftRight:
            ApplyGlyphOperation(GlyphOp::ShiftRight);
            break;
        case ShiftUp:
            ApplyGlyphOperation(GlyphOp::ShiftUp);
            break;
        case ShiftDown:
            ApplyGlyphOperation(GlyphOp::ShiftDown);
            break;
        case SetBeginRange:
            setRangeEnd(*beginTrackBar_);
            break;
        case SetEndRange:
            setRangeEnd(*endTrackBar_);
            break;
        case DragModeSwap:
            setDragMode(true);
            break;
        case DragModeCopy:
            setDragMode(false);
            break;
        case Command::CopyRangeToCurrent:
            copyRangeToCurrent();
            break;
        case MapZx:
            SetMapSize(32, 24);
            break;
        case MapAtari:
            SetMapSize(40, 24);
            break;
        case MapPc:
            SetMapSize(80, 50);
            break;
        case MapUssr:
            SetMapSize(64, 30);
            break;
        case MapC64:
            SetMapSize(40, 25);
            break;
        case Command::FillMap:
            pixlore::FillMap(state_.map, state_.selection.CurrentChar);
            RenderCharMap();
            break;
        case CharsetIbmCga:
        case CharsetC64:
        case CharsetAtari:
        case CharsetIbm866:
        case CharsetZxSpectrum:
        case CharsetZx80:
        case CharsetMicrosha:
        case CharsetJupiterAce:
        case CharsetHexNumbers:
            LoadBuiltInCharset(BuiltInCharsetOf(id));
            break;
        case Command::InsertChar:
            afterMapChange(pixlore::InsertChar(state_.map));
            break;
        case Command::DeleteChar:
            afterMapChange(pixlore::DeleteChar(state_.map));
            break;
        case Command::InsertRow:
            afterMapChange(pixlore::InsertRow(state_.map));
            break;
        case Command::DeleteRow:
            afterMapChange(pixlore::DeleteRow(state_.map));
            break;
        case Command::InsertColumn:
            afterMapChange(pixlore::InsertColumn(state_.map));
            break;
        case Command::DeleteColumn:
            afterMapChange(pixlore::DeleteColumn(state_.map));
            break;
        case Command::Undo:
            Undo();
            break;
        case Command::Redo:
            Redo();
            break;
        case ExportAssembler:
            ExportSource(ExportFormat::Assembler);
            break;
        case ExportC:
            ExportSource(ExportFormat::C);
            break;
        case ExportPrg:
            ExportSource(ExportFormat::Prg);
            break;
        case ExportPsf:
            ExportPsfFont();
            break;
        case ImportPsf:
            ImportPsfFont();
            break;
        case Command::ImportPicture:
            ImportPicture();
            break;
        case Command::Copy:
            Copy();
            break;
        case Command::Paste:
            Paste();
            break;
        case TypeTextHere:
            startTyping();
            break;
        case TextCodesWindows1252:
        case TextCodesIbm866:
        case TextCodesC64:
        case TextCodesAtari:
        case TextCodesZx80Zx81:
        case TextCodesMicrosha:
            chooseTextCodes(id);
            break;
        case Command::ExportMapPicture:
            ExportMapPicture();
            break;
        case Command::CopyMap:
            CopyMap();
            break;
        case Command::ImportPrg:
            ImportPrg();
            break;
        case Command::RecoverLastSession:
            RecoverLastSession();
            break;
        default:
            break;
    }
}

CodeRange Editor::transformTargets() const {
    if (rangeCheckBox_->isChecked())
        return RangeBetween(beginTrackBar_->value(), endTrackBar_->value());
    return {state_.selection.CurrentChar, state_.selection.CurrentChar};
}

void Editor::ApplyGlyphOperation(GlyphOp op) {
    const CodeRange targets = transformTargets();
    pixlore::ApplyGlyphOperation(state_.charset, op, targets.low, targets.high);
    RefreshViews();
}

void Editor::LoadBuiltInCharset(BuiltInCharset preset) {
    pixlore::LoadBuiltInCharset(state_.charset, state_.palette, preset);
    setTextCodes(TextCodesOf(preset));
    RefreshViews();
}

void Editor::UpdateRangeLabels() {
    SetText(beginLabel_, "BeginRange:" + RangePositionText(beginTrackBar_->value()));
    SetText(endLabel_, "End range:" + RangePositionText(endTrackBar_->value()));
}

void Editor::setRangeEnd(QSlider& trackBar) {
    SetPosition(&trackBar, state_.selection.CurrentChar);
    UpdateRangeLabels();
}

void Editor::copyRangeToCurrent() {
    const CodeRange range = RangeBetween(beginTrackBar_->value(), endTrackBar_->value());
    if (pixlore::CopyRangeToCurrent(state_.charset, range, state_.selection.CurrentChar) ==
        RangeCopyResult::CurrentInsideRange) {
        dialogs_.message("Pixlore", "Range Error!");
        return;
    }
    RefreshViews();
}

void Editor::setDragMode(bool swap) {
    mainMenu_.setChecked(Command::DragModeSwap, swap);
    mainMenu_.setChecked(Command::DragModeCopy, !swap);
}

void Editor::SetMapSize(int width, int height) {
    pixlore::SetMapSize(state_.map, width, height);
    if (state_.TextCursor) state_.TextCursor = HeldInActiveArea(state_.map, *state_.TextCursor);
    if (!state_.MapAvailable) return;
    mapScrollArea_->setContentSize(width * 16, height * 16);
    RenderCharMap();
    mapWindow_->showActive();
}

void Editor::afterMapChange(bool changed) {
    if (changed) RenderCharMap();
}

}  // namespace pixlore
