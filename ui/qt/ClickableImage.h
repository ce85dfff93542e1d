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

} // namespace orvane
