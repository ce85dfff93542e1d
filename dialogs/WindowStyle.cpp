#include "dialogs/WindowStyle.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace orvane {

void applyWindowStyle(QWidget& window)
{
    QFont font = QFontDatabase::families().contains("MS Sans Serif") ? QFont("MS Sans Serif")
                                                                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(8);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    window.setFont(font);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

void centreOnDesktop(QWidget& window)
{
    window.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

} // namespace orvane
