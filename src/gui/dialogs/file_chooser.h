#pragma once

#include <string>

#include "dialogs/file_dialog_request.h"

class QWidget;

namespace ordavex {

// Asks the user for a file. Returns the full path chosen, or empty text when the user cancelled.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual std::string FileDialog(QWidget* owner, const FileDialogRequest& request) = 0;
};

}  // namespace ordavex
