#pragma once
// Group boxes as Windows draws them: the caption sits on the top border,
// so that controls near the top stay clear of the frame. A style of its
// own rather than a style sheet: a sheet would re-style every widget below
// it, which costs the start a third of its time.
#include <QProxyStyle>

namespace orvane {

class GroupBoxStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
};

} // namespace orvane
