#include "ui/qt/QtToolkit.h"

#include "controls/AccessibleNames.h"
#include "controls/TabOrder.h"
#include "ui/qt/QtControls.h"
#include "ui/qt/DecorationTitle.h"
#include "ui/qt/ScreenFit.h"
#include "ui/qt/StatusPanels.h"
#include "ui/qt/WindowStyle.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QMoveEvent>
#include <QScrollArea>
#include <QStatusBar>
#include <QWindow>

namespace orvane {
namespace {

constexpr Qt::WindowFlags MainWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                            Qt::WindowCloseButtonHint;
// No title-bar buttons: a dialog is left through its own buttons.
constexpr Qt::WindowFlags DialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// Closing a window is the logic's decision: the main window's ends the
// program, a dialog's is its Cancel.
template <class Base>
class ClosedByLogic : public Base {
public:
    ClosedByLogic(Window& model, Qt::WindowFlags flags) : Base(nullptr, flags), model_(model) {}

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        model_.userClose();
    }
    Window& model_;
};

// Its client area is seen through a view that scrolls only where the
// window would not fit its screen; the view follows the window to another
// screen and the window manager's frame once there is one.
class MainWindow : public ClosedByLogic<QMainWindow> {
public:
    explicit MainWindow(Window& model) : ClosedByLogic(model, MainWindowFlags), view_(new QScrollArea(this))
    {
        view_->setObjectName("ClientView");
        view_->setFrameShape(QFrame::NoFrame);
        view_->setFocusPolicy(Qt::NoFocus); // Tab goes on to the controls, which it scrolls into view
        view_->setWidget(new QWidget);
        setCentralWidget(view_);
    }
    QWidget* clientArea() const { return view_->widget(); }
    void fitOnScreen() { fitClientView(*this, *view_); }
    // As large as the client area, where the window may be made smaller.
    QSize sizeHint() const override
    {
        if (screenFreeAreaKnown())
            return QMainWindow::sizeHint();
        return clientArea()->size() + QSize(0, menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    }

protected:
    void moveEvent(QMoveEvent* event) override
    {
        QMainWindow::moveEvent(event);
        if (isVisible() && fitClientView(*this, *view_))
            centreOn(*this, nullptr);
    }

private:
    QScrollArea* view_;
};

class DialogWindow : public ClosedByLogic<QDialog> {
public:
    explicit DialogWindow(Window& model) : ClosedByLogic(model, DialogFlags) {}
    void reject() override { model_.userClose(); } // Escape

protected:
    // Enter presses the button that has the focus, as on Windows, and no
    // other: in a field or a list it acts there only.
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
            QDialog::keyPressEvent(event);
            return;
        }
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled())
            button->click();
    }
    // Hidden by the window manager (minimised, say): left as by Cancel, so
    // that the window that opened it is not left disabled.
    void hideEvent(QHideEvent* event) override
    {
        QDialog::hideEvent(event);
        if (event->spontaneous() && model_.visible())
            model_.userClose();
    }
};

class StatusBarView : public ControlView {
public:
    explicit StatusBarView(StatusPanels& bar) : bar_(bar) {}
    void refresh(const Control& control, Aspect) override
    {
        const auto& model = static_cast<const StatusBarControl&>(control);
        for (int i = 0; i < static_cast<int>(model.row().panelWidths.size()); ++i)
            bar_.showText(static_cast<size_t>(i), QString::fromStdString(model.panelText(i)),
                          QString::fromStdString(model.panelHint(i)));
    }

private:
    StatusPanels& bar_;
};

} // namespace

// One realised window: its widget, the views of its controls.
// A dialog's widgets are made when it is first shown (or looked at), not
// at the start: they take a tenth of it, and most runs open no dialog.
class QtWindow : public WindowView {
public:
    QtWindow(Window& model, const QtToolkit& toolkit) : model_(model), toolkit_(toolkit) { model_.attach(this); }
    // The windows' logic is gone by now: nothing may reach it any more.
    ~QtWindow() override
    {
        if (!top_)
            return;
        for (QObject* child : top_->findChildren<QObject*>())
            child->blockSignals(true);
        delete top_;
    }

    QWidget* widget()
    {
        if (!top_)
            build();
        return top_;
    }
    const Window& model() const { return model_; }

    void show(const Window* over) override
    {
        widget();
        QWidget* owner = over ? toolkit_.widget(*over) : nullptr;
        // Owned by the window that opened it: the window manager keeps it above.
        if (owner && owner != top_) {
            top_->winId();
            owner->winId();
            top_->windowHandle()->setTransientParent(owner->windowHandle());
        }
        centreOn(*top_, owner);
        top_->show();
        if (!main_)
            makeRoomForTitle(*top_, owner);
        top_->raise();
        top_->activateWindow();
        top_->raise();
        top_->activateWindow();
    }
    void hide() override
    {
        if (top_)
            top_->hide();
    }
    void setEnabled(bool enabled) override { widget()->setEnabled(enabled); }

private:
    void build();
    void buildStatusBar(QMainWindow& window, Control& control);

    Window& model_;
    const QtToolkit& toolkit_;
    QWidget* top_ = nullptr;
    MainWindow* main_ = nullptr; // when this is the main window
    std::map<std::string, QWidget*> containers_;
    std::vector<std::unique_ptr<ControlView>> views_;
};

void QtWindow::build()
{
    const WindowLayout& layout = model_.layout();
    QWidget* client = nullptr;
    if (layout.mainWindow) {
        top_ = main_ = new MainWindow(model_);
        client = main_->clientArea();
    } else {
        top_ = client = new DialogWindow(model_);
    }
    top_->setObjectName(QString::fromStdString(layout.name));
    top_->setWindowTitle(QString::fromStdString(layout.caption));
    applyWindowStyle(*top_, toolkit_.font());
    client->setObjectName("ClientArea");
    containers_[""] = client;
    std::map<std::string, QMenu*> menus;
    for (const auto& control : model_.controls()) {
        const LayoutRow& row = control->row();
        if (row.kind == ControlKind::StatusBar) {
            buildStatusBar(*main_, *control);
        } else if (row.kind == ControlKind::Menu) {
            QMenu* menu = main_->menuBar()->addMenu(QString::fromStdString(row.caption));
            menu->setObjectName(QString::fromStdString(row.name));
            menu->setFont(toolkit_.font()); // a window of its own, which inherits no font
            menus[row.name] = menu;
        } else if (row.kind == ControlKind::Separator) {
            menus.at(row.parent)->addSeparator()->setObjectName(QString::fromStdString(row.name));
        } else if (row.kind == ControlKind::MenuItem) {
            auto view = std::make_unique<QtControlView>();
            QAction* action = createAction(*control, *main_, *view);
            if (row.parent.empty())
                main_->menuBar()->addAction(action);
            else
                menus.at(row.parent)->addAction(action);
            views_.push_back(std::move(view));
        } else {
            auto view = std::make_unique<QtControlView>();
            QWidget* widget = createWidget(*control, *containers_.at(row.parent), *view, layout);
            if (row.kind == ControlKind::GroupBox)
                containers_[row.name] = widget;
            views_.push_back(std::move(view));
        }
    }
    if (main_)
        main_->menuBar()->setObjectName("MainMenu");
    const int statusHeight = main_ ? main_->statusBar()->height() : 0;
    client->setFixedSize(layout.clientWidth, layout.clientHeight - statusHeight);
    if (main_) {
        // Where the screen's free area is unknown (Wayland tells no panels),
        // the window may be made smaller than its client area, which then
        // scrolls; it never grows beyond it.
        top_->layout()->setSizeConstraint(screenFreeAreaKnown() ? QLayout::SetFixedSize : QLayout::SetMinimumSize);
        main_->fitOnScreen();
        if (!screenFreeAreaKnown())
            main_->setMaximumSize(main_->sizeHint());
    } else {
        top_->setFixedSize(layout.clientWidth, layout.clientHeight);
    }

    // A label names the control it stands before, for screen readers too.
    for (const LayoutRow& row : layout.controls)
        if (const LayoutRow* naming = namingRow(layout, row); naming && naming->kind == ControlKind::Label)
            if (auto* label = top_->findChild<QLabel*>(QString::fromStdString(naming->name)))
                label->setBuddy(top_->findChild<QWidget*>(QString::fromStdString(row.name)));

    QWidget* previous = nullptr;
    for (const LayoutRow* row : tabChain(layout)) {
        QWidget* widget = top_->findChild<QWidget*>(QString::fromStdString(row->name));
        if (previous && widget)
            QWidget::setTabOrder(previous, widget);
        if (widget)
            previous = widget;
    }
    for (QGroupBox* box : top_->findChildren<QGroupBox*>())
        box->setStyle(&toolkit_.groupBoxStyle());
}

void QtWindow::buildStatusBar(QMainWindow& window, Control& control)
{
    const LayoutRow& row = control.row();
    auto* bar = new StatusPanels(row.panelWidths, row.height, &window);
    bar->setObjectName(QString::fromStdString(row.name));
    window.setStatusBar(bar);
    auto view = std::make_unique<StatusBarView>(*bar);
    control.attach(view.get());
    view->refresh(control, Aspect::Panels);
    views_.push_back(std::move(view));
}

QtToolkit::QtToolkit() = default;

const QFont& QtToolkit::font() const
{
    if (!font_)
        font_ = layoutFont();
    return *font_;
}

QtToolkit::~QtToolkit()
{
    // Dialogs first, the main window last, as they were made.
    while (!windows_.empty())
        windows_.pop_back();
}

void QtToolkit::realise(Window& window)
{
    auto realised = std::make_unique<QtWindow>(window, *this);
    if (window.layout().mainWindow)
        realised->widget(); // shown at once
    windows_.push_back(std::move(realised));
}

void QtToolkit::quit()
{
    QCoreApplication::quit();
}

QWidget* QtToolkit::widget(const Window& window) const
{
    for (const auto& realised : windows_)
        if (&realised->model() == &window)
            return realised->widget();
    return nullptr;
}

} // namespace orvane
