#include "ui/qt/QtControls.h"

#include "controls/AccessibleNames.h"
#include "ui/qt/ClickableImage.h"
#include "ui/qt/Icons.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>

#include <optional>

namespace orvane {
namespace {

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QStringList texts(const std::vector<std::string>& items)
{
    QStringList list;
    for (const std::string& item : items)
        list << text(item);
    return list;
}

// The length limit is for what the user types: the program's text is shown
// whole, and once the user has shortened it, the limit holds again.
void limitTyping(QLineEdit& edit, int maxLength)
{
    if (maxLength > 0)
        edit.setMaxLength(std::max(maxLength, static_cast<int>(edit.text().size())));
}

// extra: the room a control needs beside its caption (a check box's box).
void place(QWidget& widget, const LayoutRow& row, std::optional<int> extra = std::nullopt)
{
    int width = row.width;
    widget.ensurePolished(); // the window's style sheet decides the font
    if (extra && !row.caption.empty())
        width = std::max(width, widget.fontMetrics().horizontalAdvance(text(row.caption)) + *extra);
    widget.setGeometry(row.left, row.top, width, row.height);
}

int checkBoxExtra(const QWidget& box)
{
    return box.style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &box) +
           box.style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &box) + 2;
}

constexpr int ButtonExtra = 8;

QWidget* makeWidget(Control& control, QWidget& parent)
{
    const LayoutRow& row = control.row();
    switch (row.kind) {
    case ControlKind::GroupBox: {
        auto* box = new QGroupBox(text(row.caption), &parent);
        place(*box, row);
        return box;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(text(row.caption), &parent);
        place(*label, row); // grown to its text when its caption is shown
        if (row.centred)
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        return label;
    }
    case ControlKind::Link: {
        auto* link = new LinkLabel(text(row.caption), &parent);
        place(*link, row, 0);
        if (row.centred)
            link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        QObject::connect(link, &ClickableImage::clicked,
                         [&control] { static_cast<ButtonControl&>(control).userClick(); });
        return link;
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(text(row.caption), &parent);
        place(*box, row, checkBoxExtra(*box));
        QObject::connect(box, &QCheckBox::clicked, [&control] { static_cast<CheckControl&>(control).userClick(); });
        return box;
    }
    case ControlKind::Slider: {
        auto* slider = new QSlider(Qt::Horizontal, &parent);
        slider->setRange(row.minimum, row.maximum);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setTickInterval(1);
        place(*slider, row);
        QObject::connect(slider, &QSlider::valueChanged,
                         [&control](int value) { static_cast<SliderControl&>(control).userMove(value); });
        return slider;
    }
    case ControlKind::DropDownList: {
        auto* list = new QComboBox(&parent);
        place(*list, row);
        QObject::connect(list, &QComboBox::activated,
                         [&control](int index) { static_cast<ListControl&>(control).userSelect(index); });
        return list;
    }
    case ControlKind::ListBox: {
        auto* list = new QListWidget(&parent);
        place(*list, row);
        QObject::connect(list, &QListWidget::currentRowChanged,
                         [&control](int index) { static_cast<ListControl&>(control).userHighlight(index); });
        QObject::connect(list, &QListWidget::itemActivated, [&control, list](QListWidgetItem* item) {
            static_cast<ListControl&>(control).userOpen(list->row(item));
        });
        return list;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(&parent);
        limitTyping(*edit, row.maxLength);
        place(*edit, row);
        // Typing, pasting, and texts set by screen readers and input tools:
        // every change but the program's own, which comes with signals blocked.
        QObject::connect(edit, &QLineEdit::textChanged, [&control, edit](const QString& changed) {
            limitTyping(*edit, control.row().maxLength);
            static_cast<EditControl&>(control).userEdit(changed.toStdString());
        });
        return edit;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(text(row.caption), &parent);
        // No window has a default button: Enter presses only a button that has
        // the focus (the dialogs see to it), and in a field or a list acts there only.
        button->setAutoDefault(false);
        place(*button, row, ButtonExtra);
        QObject::connect(button, &QPushButton::clicked,
                         [&control] { static_cast<ButtonControl&>(control).userClick(); });
        return button;
    }
    case ControlKind::Image: {
        auto* image = new ClickableImage(&parent);
        image->setPicture(picture(row.picture));
        place(*image, row);
        QObject::connect(image, &ClickableImage::clicked,
                         [&control] { static_cast<ButtonControl&>(control).userClick(); });
        return image;
    }
    default: return nullptr;
    }
}

void showItems(QComboBox& list, const ListControl& control)
{
    list.clear();
    list.addItems(texts(control.items()));
    list.setCurrentIndex(control.selected());
}

} // namespace

QWidget* createWidget(Control& control, QWidget& parent, QtControlView& view, const WindowLayout& window)
{
    QWidget* widget = makeWidget(control, parent);
    if (!widget)
        return nullptr;
    const LayoutRow& row = control.row();
    widget->setObjectName(text(row.name));
    if (!row.hint.empty())
        widget->setToolTip(text(row.hint));
    // A label's name is its text, which the program changes: Qt keeps the
    // two equal and tells screen readers of each change.
    if (row.kind != ControlKind::Label)
        widget->setAccessibleName(text(accessibleName(window, row)));
    widget->setAccessibleDescription(text(row.hint));
    widget->setVisible(!row.hidden);
    view.object = widget;
    control.attach(&view);
    // What the program changed before the widget was made shows in its first frame.
    for (Aspect aspect :
         {Aspect::Items, Aspect::Enabled, Aspect::Position, Aspect::Checked, Aspect::Text, Aspect::Hint})
        view.refresh(control, aspect);
    if (row.kind == ControlKind::Label)
        view.refresh(control, Aspect::Caption);
    return widget;
}

QAction* createAction(Control& control, QMainWindow& window, QtControlView& view)
{
    const LayoutRow& row = control.row();
    auto* action = new QAction(text(row.caption), &window);
    action->setObjectName(text(row.name));
    if (!row.shortcut.empty())
        action->setShortcut(QKeySequence::fromString(text(row.shortcut)));
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    QObject::connect(action, &QAction::triggered, [&control] { static_cast<ButtonControl&>(control).userClick(); });
    view.object = action;
    control.attach(&view);
    view.refresh(control, Aspect::Enabled);
    return action;
}

void QtControlView::refresh(const Control& control, Aspect aspect)
{
    const QSignalBlocker quiet(object); // the program's changes are no user's acts
    if (auto* action = qobject_cast<QAction*>(object)) {
        action->setEnabled(control.enabled());
        return;
    }
    auto* widget = qobject_cast<QWidget*>(object);
    switch (aspect) {
    case Aspect::Enabled: widget->setEnabled(control.enabled()); break;
    case Aspect::Focus: widget->setFocus(); break;
    case Aspect::Caption:
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(text(static_cast<const LabelControl&>(control).caption()));
            label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
        }
        break;
    case Aspect::Items:
    case Aspect::Selection:
        if (auto* list = qobject_cast<QComboBox*>(widget)) {
            if (aspect == Aspect::Items)
                showItems(*list, static_cast<const ListControl&>(control));
            else
                list->setCurrentIndex(static_cast<const ListControl&>(control).selected());
        } else if (auto* box = qobject_cast<QListWidget*>(widget)) {
            const auto& model = static_cast<const ListControl&>(control);
            if (aspect == Aspect::Items) {
                box->clear();
                box->addItems(texts(model.items()));
            }
            box->setCurrentRow(model.selected());
        }
        break;
    case Aspect::Checked:
        if (auto* box = qobject_cast<QCheckBox*>(widget))
            box->setChecked(static_cast<const CheckControl&>(control).checked());
        break;
    case Aspect::Position:
        if (auto* slider = qobject_cast<QSlider*>(widget))
            slider->setValue(static_cast<const SliderControl&>(control).position());
        break;
    case Aspect::Text:
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            const QString shown = text(static_cast<const EditControl&>(control).text());
            edit->setMaxLength(std::max(edit->maxLength(), static_cast<int>(shown.size())));
            edit->setText(shown);
            limitTyping(*edit, control.row().maxLength);
        }
        break;
    case Aspect::Hint: widget->setToolTip(text(control.hint())); break;
    case Aspect::Panels: break; // the status bar has a view of its own
    }
}

} // namespace orvane
