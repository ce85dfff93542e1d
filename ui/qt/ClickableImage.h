#pragma once
#include <QLabel>
#include <QMouseEvent>

namespace orvane {

// A picture or a text that reports a click, like a Windows static control
// that notifies.
class ClickableImage : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            emit clicked();
    }
};

// A link: its style sheet colours it, and it is underlined while the
// pointer is over it (style sheets cannot underline a label).
class LinkLabel : public ClickableImage {
public:
    using ClickableImage::ClickableImage;

protected:
    void enterEvent(QEnterEvent* event) override
    {
        underline(true);
        ClickableImage::enterEvent(event);
    }
    void leaveEvent(QEvent* event) override
    {
        underline(false);
        ClickableImage::leaveEvent(event);
    }

private:
    void underline(bool on)
    {
        QFont shown = font();
        shown.setUnderline(on);
        setFont(shown);
    }
};

} // namespace orvane
