#pragma once

#include <string>

#include "formats/export_settings.h"

namespace pixlore {

// The modal questions and messages the program puts to the user. The editor gets the Qt one;
// tests give it a recording fake with scripted answers.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // A message box: title, text and one OK button.
    virtual void message(const std::string& title, const std::string& text) = 0;

    struct FileChoice {
        std::string name;     // full path, empty when cancelled
        int filterIndex = 0;  // the filter selected when the dialog closed
    };
    // filters: description and pattern pairs, every part separated by "|".
    virtual FileChoice openFile(const std::string& title, const std::string& folder,
                                const std::string& filters) = 0;
    virtual FileChoice saveFile(const std::string& title, const std::string& folder,
                                const std::string& filters) = 0;

    // The export dialog: settings holds what it shows at first and, when the user accepts,
    // what was chosen. False when cancelled.
    virtual bool exportOptions(ExportSettings& settings) = 0;
};

}  // namespace pixlore
