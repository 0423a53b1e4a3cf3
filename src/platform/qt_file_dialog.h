#pragma once

#include "dialogs.h"

#include <memory>

class QFileDialog;
class QWidget;

// The Qt dialog behind a save request. It adds the default extension to a name typed without
// one before it checks the name, so it asks before replacing any file, the extended one too.
std::unique_ptr<QFileDialog> NewSaveFileDialog(const FileDialogRequest& request, QWidget* parent);
