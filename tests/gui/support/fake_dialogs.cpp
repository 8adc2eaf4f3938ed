#include "gui/support/fake_dialogs.h"

namespace pixlore {
namespace {

Dialogs::FileChoice Next(std::deque<Dialogs::FileChoice>& answers) {
    if (answers.empty()) return {};
    Dialogs::FileChoice choice = answers.front();
    answers.pop_front();
    return choice;
}

}  // namespace

void FakeDialogs::message(const std::string& title, const std::string& text) {
    messages.push_back({title, text});
}

Dialogs::FileChoice FakeDialogs::openFile(const std::string& title, const std::string& folder,
                                          const std::string& filters) {
    openRequests.push_back({title, folder, filters});
    return Next(openAnswers);
}

Dialogs::FileChoice FakeDialogs::saveFile(const std::string& title, const std::string& folder,
                                          const std::string& filters) {
    saveRequests.push_back({title, folder, filters});
    return Next(saveAnswers);
}

bool FakeDialogs::exportOptions(ExportSettings& settings) {
    exportRequests.push_back(settings);
    if (exportAnswers.empty()) return false;
    const std::optional<ExportSettings> answer = exportAnswers.front();
    exportAnswers.pop_front();
    if (!answer) return false;
    settings = *answer;
    return true;
}

}  // namespace pixlore
