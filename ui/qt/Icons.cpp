#include "ui/qt/Icons.h"

#include <QPainter>
#include <QPainterPath>

namespace orvane {
namespace {

constexpr int Size = 48;

QPixmap canvas()
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(QColor(0x20, 0x18, 0x10));
    return pixmap;
}

} // namespace

QPixmap gameIcon()
{
    QPixmap pixmap = canvas();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shield;
    shield.moveTo(24, 4);
    shield.lineTo(42, 10);
    shield.cubicTo(42, 28, 34, 38, 24, 44);
    shield.cubicTo(14, 38, 6, 28, 6, 10);
    shield.closeSubpath();
    painter.setPen(QPen(QColor(0xd8, 0xb0, 0x40), 3));
    painter.setBrush(QColor(0x8a, 0x12, 0x12));
    painter.drawPath(shield);
    // Two crossed blades over the shield.
    painter.setPen(QPen(QColor(0xe8, 0xe8, 0xf0), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(14, 14, 34, 34);
    painter.drawLine(34, 14, 14, 34);
    painter.setPen(QPen(QColor(0xd8, 0xb0, 0x40), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(12, 30, 18, 36);
    painter.drawLine(36, 30, 30, 36);
    return pixmap;
}

QPixmap editorIcon()
{
    QPixmap pixmap = canvas();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor parchment(0xf0, 0xdc, 0xa8);
    const QColor edge(0x8a, 0x6a, 0x30);
    painter.setPen(QPen(edge, 1.5));
    painter.setBrush(parchment);
    painter.drawRect(QRectF(10, 10, 26, 30));
    painter.drawEllipse(QRectF(6, 6, 34, 7));   // the rolled top
    painter.drawEllipse(QRectF(6, 37, 34, 7));  // the rolled bottom
    painter.setPen(QPen(edge, 1));
    for (int y = 17; y <= 33; y += 4)
        painter.drawLine(14, y, 30, y);
    // The quill, its feather and nib.
    QPainterPath feather;
    feather.moveTo(44, 4);
    feather.cubicTo(36, 8, 30, 18, 28, 30);
    feather.cubicTo(34, 22, 42, 14, 44, 4);
    painter.setPen(QPen(QColor(0x50, 0x50, 0x60), 1));
    painter.setBrush(QColor(0xfa, 0xfa, 0xff));
    painter.drawPath(feather);
    painter.setPen(QPen(QColor(0x20, 0x20, 0x30), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(28, 30, 25, 37);
    return pixmap;
}

} // namespace orvane
