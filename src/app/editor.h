#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/editor_state.h"
#include "charset/builtin_charsets.h"
#include "charset/glyph_ops.h"
#include "charset/range.h"
#include "charset/text_codes.h"
#include "files/recovery_file.h"
#include "files/recovery_writer.h"
#include "history/document.h"
#include "history/history.h"
#include "platform/canvas.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/escape_filter.h"
#include "platform/events.h"
#include "platform/menus.h"
#include "platform/window.h"
#include "views/charset_display.h"
#include "views/glyph_display.h"
#include "views/map_display.h"

namespace pixlore {

// The editor: its state, its two windows with their controls and menus, and the handlers
// every event is dispatched to. One is made at start-up; tests make fresh ones.
class Editor {
  public:
    struct Options {
        std::vector<std::string> arguments;  // the command line, the program's own path not counted
        std::string currentDirectory;
        std::function<void()> quit;               // ends the event loop with exit code 0
        std::function<void(const Event&)> watch;  // sees every event before it is dispatched
        std::string recoveryFolder;  // where the session is kept for recovery; empty: nowhere
        bool recover = false;        // start with the last session restored
        RecoveryWriter::Timing recoveryTiming;
    };

    Editor(Dialogs& dialogs, Options options);
    ~Editor();
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // Start-up, once per editor: sets up the state, opens the windows, draws the first views.
    void start();
    // Back to the state start() leaves, the windows kept: a fresh editor for tests and fuzz
    // runs that go through many sessions in one process.
    void reset();

    // Hands one event to its owner.
    void dispatch(const Event& event);
    void DispatchCommand(int id);
    void QuitProgram();
    bool quitting() const { return quitting_; }

    // The redraws. Each draws and puts on screen only what differs from what its canvas
    // shows; the pictures are those of full redraws.
    void RefreshViews();
    void RenderCharset();
    void RenderGlyph();
    void RenderCharMap();
    void ShowCharsetHover(int x, int y);
    void ShowDragPreview(int x, int y);
    void ShowMapHover(int x, int y);

    // Files. Each reports its own failures in a message box.
    // Undo and redo of the user's work, as commands 41 and 42.
    void Undo();
    void Redo();
    const History& history() const { return history_; }

    void LoadGlyphFile(const std::string& name);
    void LoadMapFile(const std::string& name);
    void OpenFileCommand();
    // 768, 1024 or 2048 bytes of glyphs from the current character; -1 for the map.
    void SaveGlyphsOrMap(int byteCount);
    void SaveCharsetPicture();
    // Brings back the newest session of an editor that has ended, as one step of the history.
    void RecoverLastSession();
    Session session() const;

    // The clipboard: glyphs from the main window, the map's picture and text from its own.
    void Copy();
    void Paste();
    void CopyMap();

    EditorState& state() { return state_; }
    Window& mainWindow() { return *mainWindow_; }
    Window& mapWindow() { return *mapWindow_; }
    Canvas& charsetCanvas() { return *charsetCanvas_; }
    Canvas& glyphCanvas() { return *glyphCanvas_; }
    Canvas& mapCanvas() { return *mapCanvas_; }
    ScrollArea& mapScrollArea() { return *mapScrollArea_; }
    QSlider& beginRangeTrackBar() { return *beginTrackBar_; }
    QSlider& endRangeTrackBar() { return *endTrackBar_; }
    QLabel& beginRangeLabel() { return *beginLabel_; }
    QLabel& endRangeLabel() { return *endLabel_; }
    QCheckBox& rangeCheckBox() { return *rangeCheckBox_; }
    QPlainTextEdit& glyphDataField() { return *dataField_; }
    QPushButton& shiftButton(int control);
    Menu& mainMenu() { return mainMenu_; }
    Menu& charsetPopupMenu() { return charsetPopup_; }
    Menu& mapPopupMenu() { return mapPopup_; }

  private:
    void createMainWindowControls();
    void createGlyphControls();
    void CreateMenus();
    void openMapWindow();

    void onCharsetCanvas(const Event& event);
    void onGlyphCanvas(const Event& event);
    void onMapCanvas(const Event& event);
    void showPopup(Menu& menu, const Canvas& canvas, const Event& event);

    // Selection and range.
    void selectCharAt(int x, int y);
    void afterCursorMove();
    void UpdateRangeLabels();
    void setRangeEnd(QSlider& trackBar);
    void copyRangeToCurrent();
    CodeRange transformTargets() const;

    void ApplyGlyphOperation(GlyphOp op);
    void LoadBuiltInCharset(BuiltInCharset preset);
    void setDragMode(bool swap);
    void SetMapSize(int width, int height);
    void paintMapAt(int x, int y);
    void pickMapCharAt(int x, int y);

    // Typed text on the map. The codes follow the checked item of "Text codes".
    void startTyping();
    void endTyping();
    void typeKey(const Event& e);
    TextCodes textCodes() const;
    void setTextCodes(TextCodes codes);
    void chooseTextCodes(int id);
    void afterMapChange(bool changed);

    // The save dialog's name with the extension rule applied; empty when cancelled.
    std::string chooseSaveName(const char* filters, const char* extension);
    void saveFile(const std::string& name, const std::vector<std::uint8_t>& bytes);

    void showCharsetFrame(const CharsetFeedback& feedback);
    void showMap(std::optional<Cell> hover);

    void handle(const Event& event);
    // Records what the last events changed as one step of the history.
    void recordChange();
    Document document() const;
    void restore(const Document& document);
    void updateHistoryItems();

    // The recovery file, kept up to date in the background.
    void startRecovery();
    void noteSessionChange();
    void saveSessionAtQuit();
    void applySession(const Session& session);

    // Export and import.
    void ExportSource(ExportFormat format);
    void ExportPsfFont();
    void ImportPsfFont();
    void ImportPicture();
    void ImportPrg();
    void layImported(const std::string& name, const std::vector<std::uint8_t>& rows);
    void ExportMapPicture();
    std::string chooseExportName(const std::string& filters);
    std::string chooseImportName(const std::string& filters);

    Dialogs& dialogs_;
    Options options_;
    EditorState state_;
    bool quitting_ = false;
    History history_;
    Document committed_;         // the work as the history last recorded it
    bool mapPickPress_ = false;  // the left button went down on the map to pick, not to paint
    // Characters typed one after another are one step: the event being handled typed one,
    // and the last step recorded is such a run that may still grow.
    bool typedNow_ = false;
    bool typedRunOpen_ = false;

    std::unique_ptr<Window> mainWindow_;
    std::unique_ptr<Window> mapWindow_;
    Canvas* charsetCanvas_ = nullptr;
    Canvas* glyphCanvas_ = nullptr;
    Canvas* mapCanvas_ = nullptr;
    CharsetDisplay charsetDisplay_;  // what the three canvases show
    GlyphDisplay glyphDisplay_;
    MapDisplay mapDisplay_;
    QLabel* beginLabel_ = nullptr;
    QLabel* endLabel_ = nullptr;
    QSlider* beginTrackBar_ = nullptr;
    QSlider* endTrackBar_ = nullptr;
    QCheckBox* rangeCheckBox_ = nullptr;
    QPushButton* shiftButtons_[4] = {};
    QPlainTextEdit* dataField_ = nullptr;
    ScrollArea* mapScrollArea_ = nullptr;
    Menu mainMenu_;
    Menu charsetPopup_;
    Menu mapPopup_;
    std::unique_ptr<EscapeFilter> escapeFilter_;
    std::shared_ptr<RecoveryStore> recoveryStore_;
    std::unique_ptr<RecoveryWriter> recoveryWriter_;
    Session startSession_;     // as start-up left it
    Session reportedSession_;  // as the writer last heard of it
    bool workChanged_ = false;
};

}  // namespace pixlore
