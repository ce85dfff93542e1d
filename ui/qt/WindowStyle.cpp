#include "ui/qt/WindowStyle.h"

#include "controls/FontFit.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace orvane {
namespace {

// Group boxes as Windows draws them: the caption sits on the top border,
// so that controls near the top stay clear of the frame. A style sheet
// decides the font of every widget below it, so it names the font too.
QString styleSheet(const QFont& font)
{
    return QString("QWidget { font-family: \"%1\"; font-size: %2px; }"
                   "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
                   "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px; "
                   "padding: 0 2px; }")
        .arg(font.family())
        .arg(font.pixelSize());
}

QFont layoutFont()
{
    const QStringList available = QFontDatabase::families();
    if (available.contains("MS Sans Serif")) {
        QFont font("MS Sans Serif");
        font.setPixelSize(11);
        return font;
    }
    // The nearest faces first, as large as the layout has room for.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    for (const char* family : {"Microsoft Sans Serif", "Liberation Sans", "Arial", "Helvetica", "DejaVu Sans"}) {
        if (available.contains(family)) {
            font = QFont(family);
            break;
        }
    }
    font.setPixelSize(fittingPixelSize([&font](int pixels) {
        QFont sized = font;
        sized.setPixelSize(pixels);
        return QFontMetrics(sized).horizontalAdvance(QString::fromUtf8(TightestCaption.data(), TightestCaption.size()));
    }));
    return font;
}

} // namespace

void applyWindowStyle(QWidget& window)
{
    QFont font = layoutFont();
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    window.setFont(font);
    window.setStyleSheet(styleSheet(font));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

void centreOn(QWidget& window, const QWidget* over)
{
    window.adjustSize();
    QRect frame = window.frameGeometry();
    if (over)
        frame.moveCenter(over->frameGeometry().center());
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace orvane
