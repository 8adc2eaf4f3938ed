#pragma once

namespace pixlore {

// Everything in the user interface is known by a small number.
enum WindowNumber { MainWindow = 0, MapWindow = 1 };

enum ControlNumber {
    CharsetCanvas = 0,
    GlyphCanvas = 1,
    MapCanvas = 2,
    GlyphDataField = 3,
    RangeCheckBox = 4,
    BeginRangeTrackBar = 5,
    EndRangeTrackBar = 6,
    BeginRangeLabel = 7,
    EndRangeLabel = 8,
    ShiftLeftButton = 9,
    ShiftRightButton = 10,
    ShiftUpButton = 11,
    ShiftDownButton = 12,
    MapScrollArea = 13,
};

// Command ids of the menus, the popup menus and the shortcuts.
namespace Command {
constexpr int Open = 0;
constexpr int Quit = 1;
constexpr int SaveZx = 2;
constexpr int SaveAtari = 3;
constexpr int SaveIbm = 4;
constexpr int SaveCharacterMap = 5;
constexpr int SaveCharactersImage = 6;
constexpr int Invert = 7;
constexpr int RevertLeftRight = 8;
constexpr int RevertUpDown = 9;
constexpr int EraseAllCharset = 10;
constexpr int ClearCharacter = 11;
constexpr int ShiftLeft = 12;
constexpr int ShiftRight = 13;
constexpr int ShiftUp = 14;
constexpr int ShiftDown = 15;
constexpr int SetBeginRange = 16;
constexpr int SetEndRange = 17;
constexpr int DragModeSwap = 18;
constexpr int DragModeCopy = 19;
constexpr int CopyRangeToCurrent = 20;
constexpr int MapZx = 21;
constexpr int MapAtari = 22;
constexpr int MapPc = 23;
constexpr int MapUssr = 24;
constexpr int FillMap = 25;
constexpr int CharsetIbmCga = 26;
constexpr int CharsetC64 = 27;
constexpr int CharsetAtari = 28;
constexpr int CharsetIbm866 = 29;
constexpr int CharsetZxSpectrum = 30;
constexpr int CharsetZx80 = 31;
constexpr int CharsetMicrosha = 32;
constexpr int CharsetJupiterAce = 33;
constexpr int CharsetHexNumbers = 34;
constexpr int InsertChar = 35;
constexpr int DeleteChar = 36;
constexpr int InsertRow = 37;
constexpr int DeleteRow = 38;
constexpr int InsertColumn = 39;
constexpr int DeleteColumn = 40;
constexpr int Undo = 41;
constexpr int Redo = 42;
constexpr int ExportAssembler = 43;
constexpr int ExportC = 44;
constexpr int ExportPrg = 45;
constexpr int ExportPsf = 46;
constexpr int ImportPsf = 47;
constexpr int ImportPicture = 48;
constexpr int MapC64 = 49;
constexpr int ImportPrg = 50;
constexpr int Copy = 51;
constexpr int Paste = 52;
constexpr int TypeTextHere = 53;
constexpr int TextCodesWindows1252 = 54;
constexpr int TextCodesIbm866 = 55;
constexpr int TextCodesC64 = 56;
constexpr int TextCodesAtari = 57;
constexpr int TextCodesZx80Zx81 = 58;
constexpr int TextCodesMicrosha = 59;
constexpr int ExportMapPicture = 60;
constexpr int CopyMap = 61;  // Control+C in the map window
constexpr int RecoverLastSession = 62;
}  // namespace Command

}  // namespace pixlore
