#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace pixlore {

// Records every message and dialog, and answers from a script: file dialogs with the queued
// choices, then with `next` when given, else cancelled; the export dialog likewise.
class FakeDialogs : public Dialogs {
  public:
    struct Message {
        std::string title, text;
    };
    struct Request {
        std::string kind, title, folder, filters;
    };

    void message(const std::string& title, const std::string& text) override {
        messages.push_back({title, text});
    }
    FileChoice openFile(const std::string& title, const std::string& folder,
                        const std::string& filters) override {
        return answer({"open", title, folder, filters}, false);
    }
    FileChoice saveFile(const std::string& title, const std::string& folder,
                        const std::string& filters) override {
        return answer({"save", title, folder, filters}, true);
    }
    bool exportOptions(ExportSettings& settings) override {
        requests.push_back({"export", "", "", ""});
        if (exportAnswers.empty()) return false;
        settings = exportAnswers.front(), exportAnswers.pop_front();
        return true;
    }

    std::vector<Message> messages;
    std::vector<Request> requests;
    std::deque<FileChoice> fileAnswers;
    std::deque<ExportSettings> exportAnswers;
    std::function<FileChoice(bool save)> next;
    std::vector<FileChoice> answers;  // every file dialog's answer, in order

  private:
    FileChoice answer(Request request, bool save) {
        requests.push_back(std::move(request));
        FileChoice choice;
        if (!fileAnswers.empty())
            choice = fileAnswers.front(), fileAnswers.pop_front();
        else if (next)
            choice = next(save);
        return answers.emplace_back(choice);
    }
};

}  // namespace pixlore
