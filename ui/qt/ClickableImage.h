#pragma once
#include "ui/qt/LinkColour.h"

#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace orvane {

// A picture or a text that reports a click, like a Windows static control
// that notifies. A picture is drawn at its size from its file that suits the
// screen's scale.
class ClickableImage : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void setPicture(const QIcon& picture)
    {
        picture_ = picture;
        // What screen readers and size hints go by: a picture, of its own size.
        setPixmap(picture.pixmap(picture.availableSizes().value(0)));
    }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (picture_.isNull()) {
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        picture_.paint(&painter, contentsRect(), Qt::AlignLeft | Qt::AlignTop);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            emit clicked();
    }

private:
    QIcon picture_;
};

// A link: bold, in the palette's link colour, and under the pointer red and
// underlined, keeping its size and shape.
class LinkLabel : public ClickableImage {
public:
    LinkLabel(const QString& text, QWidget* parent) : ClickableImage(text, parent) { showPointer(false); }

protected:
    void enterEvent(QEnterEvent* event) override
    {
        showPointer(true);
        ClickableImage::enterEvent(event);
    }
    void leaveEvent(QEvent* event) override
    {
        showPointer(false);
        ClickableImage::leaveEvent(event);
    }

private:
    // Only what differs from the window's font is set: the rest it inherits.
    void showPointer(bool over)
    {
        QFont differing;
        differing.setBold(true);
        differing.setUnderline(over);
        setFont(differing);
        if (!over) {
            setPalette(QPalette()); // the dialog's again
            setForegroundRole(QPalette::Link);
            return;
        }
        QPalette red = palette();
        red.setColor(QPalette::WindowText, readableRedOn(red.color(backgroundRole())));
        setPalette(red);
        setForegroundRole(QPalette::WindowText);
    }
};

} // namespace orvane
