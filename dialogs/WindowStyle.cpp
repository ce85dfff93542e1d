#include "dialogs/WindowStyle.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace orvane {

void applyWindowStyle(QWidget& window)
{
    // The nearest faces first, by width: the layout is measured for "MS Sans Serif".
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    const QStringList available = QFontDatabase::families();
    for (const char* family : {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial", "Helvetica"}) {
        if (available.contains(family)) {
            font = QFont(family);
            break;
        }
    }
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
