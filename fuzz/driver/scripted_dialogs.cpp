#include "fuzz/driver/scripted_dialogs.h"

namespace pixlore::fuzz {

Dialogs::FileChoice ScriptedDialogs::answer(bool save) {
    FileChoice choice;  // cancelled unless a name is drawn
    if (in_.below(6) != 0) {
        choice.name = files_.pickName(in_, save);
        choice.filterIndex =
            in_.below(8) == 0 ? static_cast<std::int8_t>(in_.byte()) : in_.below(2);
    }
    answers.push_back(choice);
    return choice;
}

Dialogs::FileChoice ScriptedDialogs::openFile(const std::string& title, const std::string& folder,
                                              const std::string& filters) {
    openAnswers.push_back(answer(false));
    return FakeDialogs::openFile(title, folder, filters);
}

Dialogs::FileChoice ScriptedDialogs::saveFile(const std::string& title, const std::string& folder,
                                              const std::string& filters) {
    saveAnswers.push_back(answer(true));
    return FakeDialogs::saveFile(title, folder, filters);
}

}  // namespace pixlore::fuzz
