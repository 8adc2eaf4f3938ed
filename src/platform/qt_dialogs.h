#pragma once

#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace pixlore {

// Message boxes and file dialogs of the toolkit, modal to the active window.
class QtDialogs : public Dialogs {
  public:
    void message(const std::string& title, const std::string& text) override;
    FileChoice openFile(const std::string& title, const std::string& folder,
                        const std::string& filters) override;
    FileChoice saveFile(const std::string& title, const std::string& folder,
                        const std::string& filters) override;
    bool exportOptions(ExportSettings& settings) override;
};

// "Font (*.fnt)|*.fnt|Character map (*.map)|*.map" as the toolkit's name filters.
std::vector<std::string> NameFilters(const std::string& filters);

}  // namespace pixlore
