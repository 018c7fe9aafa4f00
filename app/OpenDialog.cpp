#include "OpenDialog.h"

#include <QDir>
#include <QFileDialog>

namespace zanfo {

std::optional<QString> RunFileDialog(QWidget* parent, const OpenDialog& dialog)
{
    QFileDialog box(parent, dialog.Title, dialog.InitialDir);
    box.setObjectName(QStringLiteral("OpenDialog"));
    box.setAcceptMode(QFileDialog::AcceptOpen);
    box.setFileMode(QFileDialog::AnyFile);  // a typed name of a missing file is taken too
    box.setOption(QFileDialog::DontConfirmOverwrite);

    // "description|pattern". On Windows "*.*" matches every file; here a name
    // need not have a dot, so it becomes "*".
    const QString description = dialog.Filter.section(QLatin1Char('|'), 0, 0);
    QString pattern = dialog.Filter.section(QLatin1Char('|'), 1, 1);
    if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
    box.setNameFilter(description + QStringLiteral(" (") + pattern + QLatin1Char(')'));

    const QString suffix = dialog.DefaultExt.section(QLatin1Char('.'), 1);
    if (!suffix.isEmpty() && suffix != QLatin1String("*")) box.setDefaultSuffix(suffix);
    if (!dialog.FileName.isEmpty()) box.selectFile(dialog.FileName);

    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(box.selectedFiles().first());
}

}  // namespace zanfo
