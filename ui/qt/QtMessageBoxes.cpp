#include "ui/qt/QtMessageBoxes.h"

#include <QMessageBox>

namespace orvane {

MessageAnswer QtMessageBoxes::show(const MessageBoxRequest& request)
{
    const auto icon = request.icon == MessageIcon::Error      ? QMessageBox::Critical
                      : request.icon == MessageIcon::Warning  ? QMessageBox::Warning
                      : request.icon == MessageIcon::Question ? QMessageBox::Question
                                                              : QMessageBox::Information;
    const auto buttons =
        request.buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    QMessageBox box(icon, QString::fromStdString(request.caption), QString::fromStdString(request.text), buttons);
    const int answer = box.exec();
    if (request.buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace orvane
