#include "app/menu_layout.h"

#include "app/ids.h"

namespace pixlore {
namespace {

using E = MenuEntry;

}  // namespace

std::vector<MenuEntry> MainMenuLayout() {
    using namespace Command;
    return {
        E::SubMenu("File",
                   {
                       E::Item(Open, "Open...\tCtrl+O"),
                       E::SubMenu("Save",
                                  {
                                      E::Item(SaveZx, "ZX 96 chars(768bytes)"),
                                      E::Item(SaveAtari, "Atari 128 chars(1024bytes)"),
                                      E::Item(SaveIbm, "IBM 256 chars(2048bytes)"),
                                      E::Separator(),
                                      E::Item(SaveCharacterMap, "Character_map"),
                                      E::Item(SaveCharactersImage, "Characters image"),
                                  }),
                       E::SubMenu("Export",
                                  {
                                      E::Item(ExportAssembler, "Assembler source..."),
                                      E::Item(ExportC, "C source..."),
                                      E::Item(ExportPrg, "C64 PRG..."),
                                      E::Separator(),
                                      E::Item(ExportPsf, "PSF font..."),
                                      E::Separator(),
                                      E::Item(ExportMapPicture, "Map picture..."),
                                  }),
                       E::SubMenu("Import",
                                  {
                                      E::Item(ImportPsf, "PSF font..."),
                                      E::Item(ImportPicture, "Picture (BMP, PNG)..."),
                                      E::Item(ImportPrg, "C64 PRG..."),
                                  }),
                       E::Item(RecoverLastSession, "Recover last session"),
                       E::Item(Quit, "Quit"),
                   }),
        E::SubMenu("Edit",
                   {
                       E::Item(Undo, "Undo\tCtrl+Z"),
                       E::Item(Redo, "Redo\tCtrl+Y"),
                       E::Separator(),
                       E::Item(Copy, "Copy\tCtrl+C"),
                       E::Item(Paste, "Paste\tCtrl+V"),
                   }),
        E::SubMenu("Char",
                   {
                       E::SubMenu("Map",
                                  {
                                      E::Item(MapZx, "ZX 32x24"),
                                      E::Item(MapAtari, "Atari/C64 40x24"),
                                      E::Item(MapPc, "PC 80x50"),
                                      E::Item(MapUssr, "USSR 64x30"),
                                      E::Item(MapC64, "C64 40x25"),
                                      E::Separator(),
                                      E::Item(FillMap, "Fill map with current char"),
                                  }),
                       E::SubMenu("Charset",
                                  {
                                      E::Item(CharsetIbmCga, "IBM PC CGA"),
                                      E::Item(CharsetIbm866, "IBM PC 866"),
                                      E::Separator(),
                                      E::Item(CharsetZxSpectrum, "ZX Spectrum"),
                                      E::Item(CharsetZx80, "ZX80"),
                                      E::Item(CharsetJupiterAce, "Jupiter Ace"),
                                      E::Separator(),
                                      E::Item(CharsetC64, "C64 CAPS"),
                                      E::Item(CharsetAtari, "Atari XL"),
                                      E::Item(CharsetMicrosha, "Microsha(USSR)"),
                                      E::Separator(),
                                      E::Item(CharsetHexNumbers, "Hex numbers"),
                                  }),
                       E::SubMenu("Text codes",
                                  {
                                      E::Item(TextCodesWindows1252, "Windows-1252"),
                                      E::Item(TextCodesIbm866, "IBM PC 866"),
                                      E::Item(TextCodesC64, "C64 screen codes"),
                                      E::Item(TextCodesAtari, "Atari screen codes"),
                                      E::Item(TextCodesZx80Zx81, "ZX80/ZX81"),
                                      E::Item(TextCodesMicrosha, "Microsha (KOI-7)"),
                                  }),
                       E::Separator(),
                       E::Item(DragModeSwap, "Drag mode:swap"),
                       E::Item(DragModeCopy, "Drag mode:copy"),
                       E::Separator(),
                       E::Item(EraseAllCharset, "Erase all charset"),
                       E::Item(ClearCharacter, "Clear character"),
                       E::Item(Invert, "Invert\tCtrl+I"),
                       E::Item(RevertLeftRight, "Revert char left-right"),
                       E::Item(RevertUpDown, "Revert char up-down"),
                       E::Separator(),
                       E::Item(SetBeginRange, "Set begin range"),
                       E::Item(SetEndRange, "Set end range"),
                       E::Item(CopyRangeToCurrent, "Copy data range to current"),
                       E::Separator(),
                       E::Item(ShiftLeft, "Char shift left"),
                       E::Item(ShiftRight, "Char shift right"),
                       E::Item(ShiftUp, "Char shift up"),
                       E::Item(ShiftDown, "Char shift down"),
                   }),
    };
}

std::vector<MenuEntry> CharsetPopupLayout() {
    using namespace Command;
    return {
        E::Item(SetBeginRange, "Set begin range"),
        E::Item(SetEndRange, "Set end range"),
        E::Item(CopyRangeToCurrent, "Copy data range to current"),
    };
}

std::vector<MenuEntry> MapPopupLayout() {
    using namespace Command;
    return {
        E::Item(InsertChar, "Insert char"),
        E::Item(DeleteChar, "Delete char"),
        E::Separator(),
        E::Item(InsertRow, "Insert row"),
        E::Item(DeleteRow, "Delete row"),
        E::Separator(),
        E::Item(InsertColumn, "Insert column"),
        E::Item(DeleteColumn, "Delete column"),
        E::Separator(),
        E::Item(TypeTextHere, "Type text here"),
    };
}

}  // namespace pixlore
