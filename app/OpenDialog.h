#pragma once
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace zanfo {

// A file-open dialog's settings, as the window keeps them between picks.
struct OpenDialog {
    QString Title;
    QString Filter;      // "description|pattern", one entry
    QString DefaultExt;  // "*.xxx": added to a typed name without an extension
    QString InitialDir;
    QString FileName;    // preset in the name field when the dialog opens
};

// Shows a dialog and returns the full path picked (which need not exist), or
// nothing when the user cancelled. Tests put their own in its place.
using DialogRunner = std::function<std::optional<QString>(QWidget* parent, const OpenDialog& dialog)>;

// The real dialog.
std::optional<QString> RunFileDialog(QWidget* parent, const OpenDialog& dialog);

}  // namespace zanfo
