#include "ui/qt/WindowStyle.h"

#include "controls/FontFit.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QWidget>

namespace orvane {

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
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

void applyWindowStyle(QWidget& window, const QFont& font)
{
    window.setFont(font);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

} // namespace orvane
