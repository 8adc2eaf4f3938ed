// Typing text onto the map at a text cursor, in the codes of the checked "Text codes" item.
#include <QString>
#include <utility>

#include "app/editor.h"
#include "app/ids.h"
#include "charmap/map_typing.h"

namespace pixlore {
namespace {

constexpr int kKeyBackspace = 8;
constexpr int kKeyReturn = 13;

constexpr std::pair<int, TextCodes> kTextCodeItems[] = {
    {Command::TextCodesWindows1252, TextCodes::Windows1252},
    {Command::TextCodesIbm866, TextCodes::Ibm866},
    {Command::TextCodesC64, TextCodes::C64Screen},
    {Command::TextCodesAtari, TextCodes::AtariScreen},
    {Command::TextCodesZx80Zx81, TextCodes::Zx80Zx81},
    {Command::TextCodesMicrosha, TextCodes::Microsha},
};

}  // namespace

TextCodes Editor::textCodes() const {
    for (const auto& [id, codes] : kTextCodeItems)
        if (mainMenu_.checked(id)) return codes;
    return TextCodes::Windows1252;
}

void Editor::setTextCodes(TextCodes codes) {
    for (const auto& [id, item] : kTextCodeItems)
        mainMenu_.setChecked(id, item == codes);
}

void Editor::chooseTextCodes(int id) {
    for (const auto& [item, codes] : kTextCodeItems)
        if (item == id) setTextCodes(codes);
}

void Editor::startTyping() {
    CharMap& map = state_.map;
    if (map.PopupCellX < 0 || map.PopupCellY < 0 || !mapCanvas_) return;
    state_.TextCursor = HeldInActiveArea(map, {map.PopupCellX, map.PopupCellY});
    map.PopupCellX = map.PopupCellY = -1;
    typedRunOpen_ = false;
    // The map canvas takes the keys only while there is a text cursor.
    mapCanvas_->setFocusPolicy(Qt::StrongFocus);
    mapCanvas_->setFocus();
    RenderCharMap();
}

void Editor::endTyping() {
    if (!state_.TextCursor) return;
    state_.TextCursor.reset();
    typedRunOpen_ = false;
    mapCanvas_->clearFocus();
    mapCanvas_->setFocusPolicy(Qt::NoFocus);
    RenderCharMap();
}

void Editor::typeKey(const Event& e) {
    if (!state_.TextCursor) return;
    Cell& cursor = *state_.TextCursor;
    CharMap& map = state_.map;
    const TextCodes codes = textCodes();
    switch (e.Key) {
        case kKeyBackspace:
            TypeBackspace(map, cursor, CodeOfCharacter(codes, U' ').value_or(' '));
            typedNow_ = true;
            break;
        case kKeyReturn:
            TypeReturn(map, cursor);
            break;
        case kKeyLeft:
        case kKeyRight:
        case kKeyUp:
        case kKeyDown:
            MoveTextCursor(map, cursor, (e.Key == kKeyRight) - (e.Key == kKeyLeft),
                           (e.Key == kKeyDown) - (e.Key == kKeyUp));
            typedRunOpen_ = false;  // typing elsewhere is another step
            break;
        default:
            for (const char32_t c : QString::fromStdString(e.text).toUcs4())
                if (c >= 0x20 && c != 0x7F)
                    if (const auto code = CodeOfCharacter(codes, c)) {
                        TypeCode(map, cursor, *code);
                        typedNow_ = true;
                    }
            break;
    }
    RenderCharMap();
}

}  // namespace pixlore
