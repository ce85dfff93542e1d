#include "ui/qt/GroupBoxStyle.h"

#include <QPainter>
#include <QStyleOptionGroupBox>

namespace orvane {
namespace {

constexpr int CaptionLeft = 6;
constexpr int CaptionPadding = 2;

} // namespace

QRect GroupBoxStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                    const QWidget* widget) const
{
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box)
        return QProxyStyle::subControlRect(control, option, part, widget);
    const QFontMetrics metrics = box->fontMetrics;
    // The frame starts halfway down the caption.
    const QRect frame = box->rect.adjusted(0, metrics.height() / 2, 0, 0);
    switch (part) {
    case SC_GroupBoxLabel:
        return {CaptionLeft, 0, metrics.horizontalAdvance(box->text) + 2 * CaptionPadding, metrics.height()};
    case SC_GroupBoxFrame: return frame;
    case SC_GroupBoxContents: return frame.adjusted(1, metrics.height() / 2 + 1, -1, -1);
    default: return QProxyStyle::subControlRect(control, option, part, widget);
    }
}

void GroupBoxStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                       const QWidget* widget) const
{
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(box->palette.color(QPalette::Mid));
    const QRectF frame =
        QRectF(subControlRect(control, option, SC_GroupBoxFrame, widget)).adjusted(0.5, 0.5, -0.5, -0.5);
    painter->drawRoundedRect(frame, 2, 2);
    const QRect caption = subControlRect(control, option, SC_GroupBoxLabel, widget);
    painter->fillRect(caption, box->palette.color(QPalette::Window));
    painter->setPen(
        box->palette.color(box->state & State_Enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter->drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, box->text);
    painter->restore();
}

} // namespace orvane
