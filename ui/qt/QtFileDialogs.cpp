#include "ui/qt/QtFileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace orvane {

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
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setSizeGripEnabled(true);
    if (!last.isEmpty())
        dialog.selectFile(last);
    while (dialog.exec() == QDialog::Accepted) {
        const QString chosen = dialog.selectedFiles().value(0);
        const QFileInfo file(chosen);
        if (save && file.exists() && !file.isWritable()) {
            // A read-only file is refused, and the dialog asks again.
            QMessageBox::warning(&dialog, dialog.windowTitle(),
                                 QString("%1 is read-only. Choose another file.").arg(chosen));
            continue;
        }
        return chosen.toStdString();
    }
    return std::nullopt;
}

} // namespace orvane
