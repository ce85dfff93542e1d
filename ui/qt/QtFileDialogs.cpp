#include "ui/qt/QtFileDialogs.h"

#include "ui/qt/ScreenFit.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>

namespace orvane {
namespace {

// The main window the dialog is opened for, though another window may have the focus.
const QWidget* ownerWindow()
{
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<const QMainWindow*>(window) && window->isVisible())
            return window;
    return QApplication::activeWindow();
}

} // namespace

std::optional<std::string> QtFileDialogs::choose(const FileDialogRequest& request)
{
    const bool save = request.purpose == FileDialogRequest::Purpose::Save;
    const QString last = QString::fromStdString(request.fileName);
    QFileDialog dialog(nullptr, QString::fromStdString(request.title), QFileInfo(last).absolutePath(),
                       QString::fromStdString(request.filterName));
    dialog.setObjectName(QString::fromStdString(request.name));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    // Asked below, after the read-only check, so that a file that cannot be
    // replaced is never offered for replacing.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setSizeGripEnabled(true);
    if (!last.isEmpty())
        dialog.selectFile(last);
    fitDialogTo(dialog, ownerWindow());
    while (dialog.exec() == QDialog::Accepted) {
        const QString chosen = dialog.selectedFiles().value(0);
        const QFileInfo file(chosen);
        const bool readOnly =
            !file.isWritable() || !(file.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
        if (save && file.exists() && readOnly) {
            // A read-only file is refused, and the dialog asks again.
            QMessageBox::warning(&dialog, dialog.windowTitle(),
                                 QString("%1 is read-only. Choose another file.").arg(chosen));
            continue;
        }
        if (save && file.exists() &&
            QMessageBox::question(&dialog, dialog.windowTitle(),
                                  QString("%1 already exists.\nDo you want to replace it?").arg(file.fileName())) !=
                QMessageBox::Yes)
            continue;
        return chosen.toStdString();
    }
    return std::nullopt;
}

} // namespace orvane
