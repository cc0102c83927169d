#pragma once

#include "dialogs/file_chooser.h"

class QFileDialog;

namespace ordavex {

// The file chooser on Qt's own file dialog: open mode takes only existing files, save mode
// asks nothing about overwriting and adds the default extension. The request's side-bar folders
// join the usual places of the side bar while the dialog is shown.
class QtFileChooser : public FileChooser {
public:
    std::string FileDialog(QWidget* owner, const FileDialogRequest& request) override;

    // Builds the dialog without showing it, so that it can be examined and driven.
    static QFileDialog* CreateDialog(QWidget* owner, const FileDialogRequest& request);
    // The path the dialog returns once accepted; empty when nothing usable was chosen.
    static std::string ChosenPath(const QFileDialog& dialog, const FileDialogRequest& request);
};

}  // namespace ordavex
