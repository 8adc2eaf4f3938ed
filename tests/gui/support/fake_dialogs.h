#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace pixlore {

// Records every message and file dialog, and answers file dialogs from a script (cancel when
// the script has run out).
class FakeDialogs : public Dialogs {
  public:
    struct Message {
        std::string title;
        std::string text;
    };
    struct Request {
        std::string title;
        std::string folder;
        std::string filters;
    };

    void message(const std::string& title, const std::string& text) override;
    FileChoice openFile(const std::string& title, const std::string& folder,
                        const std::string& filters) override;
    FileChoice saveFile(const std::string& title, const std::string& folder,
                        const std::string& filters) override;
    // Records the settings shown and answers with the next scripted choice: nullopt cancels,
    // and so does a script that has run out.
    bool exportOptions(ExportSettings& settings) override;

    std::vector<Message> messages;
    std::vector<Request> openRequests;
    std::vector<Request> saveRequests;
    std::deque<FileChoice> openAnswers;
    std::deque<FileChoice> saveAnswers;
    std::vector<ExportSettings> exportRequests;
    std::deque<std::optional<ExportSettings>> exportAnswers;
};

}  // namespace pixlore
