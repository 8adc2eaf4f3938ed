// The session kept for recovery: handed to a background writer whenever it changes, written
// once more at quit, and read back only when the user asks for it.
#include "app/editor.h"
#include "app/ids.h"
#include "files/whole_file.h"

namespace pixlore {
namespace {

constexpr char kRecoverTitle[] = "Recover last session";
// The quit waits this long at most for the last write: a stuck disk must not hold it up.
constexpr std::chrono::milliseconds kQuitWait{900};
// Larger files are read anyway, so that the decoder names them damaged.
constexpr std::size_t kReadLimit = 1 << 20;

// Glyphs, colours and map. Until one of them changes there is nothing worth keeping, and
// writing the untouched start would bury the last session that had something in it.
bool SameWork(const Session& a, const Session& b) {
    return a.charset == b.charset && a.palette == b.palette && a.cells == b.cells &&
           a.MapWidth == b.MapWidth && a.MapHeight == b.MapHeight;
}

}  // namespace

Session Editor::session() const {
    Session s;
    s.charset = state_.charset;
    s.palette = state_.palette;
    s.cells = state_.map.cells;
    s.MapWidth = state_.map.MapWidth;
    s.MapHeight = state_.map.MapHeight;
    s.CurrentChar = state_.selection.CurrentChar;
    s.BeginRange = beginTrackBar_->value();
    s.EndRange = endTrackBar_->value();
    s.RangeEnabled = rangeCheckBox_->isChecked();
    s.DragSwap = mainMenu_.checked(Command::DragModeSwap) != 0;
    return s;
}

void Editor::startRecovery() {
    if (!options_.recoveryFolder.empty())
        recoveryStore_ = std::make_shared<RecoveryStore>(options_.recoveryFolder);
    if (options_.recover) RecoverLastSession();
    startSession_ = reportedSession_ = session();
    if (recoveryStore_)
        recoveryWriter_ = std::make_unique<RecoveryWriter>(recoveryStore_, options_.recoveryTiming);
}

void Editor::noteSessionChange() {
    if (!recoveryWriter_) return;
    Session now = session();
    if (now == reportedSession_) return;
    workChanged_ = workChanged_ || !SameWork(now, startSession_);
    if (!workChanged_) return;
    recoveryWriter_->update(now);
    reportedSession_ = std::move(now);
}

void Editor::saveSessionAtQuit() {
    if (!recoveryWriter_) return;
    const Session now = session();
    workChanged_ = workChanged_ || !SameWork(now, startSession_);
    if (workChanged_) recoveryWriter_->finish(now, kQuitWait);
}

void Editor::RecoverLastSession() {
    const std::string name = recoveryStore_ ? recoveryStore_->newestEnded() : std::string();
    if (name.empty()) {
        dialogs_.message(kRecoverTitle, "No earlier session to recover");
        return;
    }
    const Decoded<std::vector<std::uint8_t>> bytes = ReadWholeFile(name, kReadLimit);
    const Decoded<Session> decoded = bytes.ok()
                                         ? DecodeSession(bytes.value->data(), bytes.value->size())
                                         : Decoded<Session>::Fail(bytes.reason);
    if (!decoded.ok()) {
        dialogs_.message(kRecoverTitle, "Cannot recover " + name + ": " + decoded.reason);
        return;
    }
    applySession(*decoded.value);
}

void Editor::applySession(const Session& s) {
    state_.charset = s.charset;
    state_.palette = s.palette;
    state_.map.cells = s.cells;
    const auto code = static_cast<std::uint8_t>(s.CurrentChar);
    const bool moved = code != state_.selection.CurrentChar;
    state_.selection = {code, code % 16, code / 16};
    // Labels are rewritten only for a move, as the track bars themselves do.
    if (beginTrackBar_->value() != s.BeginRange || endTrackBar_->value() != s.EndRange) {
        SetPosition(beginTrackBar_, s.BeginRange);
        SetPosition(endTrackBar_, s.EndRange);
        UpdateRangeLabels();
    }
    {
        const QSignalBlocker quiet(rangeCheckBox_);
        rangeCheckBox_->setChecked(s.RangeEnabled);
    }
    setDragMode(s.DragSwap);
    pixlore::SetMapSize(state_.map, s.MapWidth, s.MapHeight);
    if (state_.MapAvailable) mapScrollArea_->setContentSize(s.MapWidth * 16, s.MapHeight * 16);
    // The title follows the current character only when it moves, as for the user's own moves.
    if (moved)
        afterCursorMove();
    else
        RefreshViews();
}

}  // namespace pixlore
