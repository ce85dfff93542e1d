#pragma once
// Orvane started in the Qt window on a game of its own, the window's
// widgets found by their names.
#include "tests/logic/OrvaneFixture.h"
#include "ui/qt/QtToolkit.h"

#include <QAction>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

namespace orvane::test {

inline QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

class QtWindow : public OrvaneFixture {
protected:
    void SetUp() override
    {
        OrvaneFixture::SetUp();
        beforeStart();
        ASSERT_EQ(start(), StartOutcome::Running);
        main = qobject_cast<QMainWindow*>(qtToolkit.widget(mainWindow()));
        ASSERT_TRUE(main);
    }
    Toolkit& toolkitInUse() override { return qtToolkit; }
    virtual void beforeStart() {}
    template <class Widget = QWidget>
    Widget* widget(const char* name) const
    {
        auto* found = main->findChild<Widget*>(name);
        if (!found)
            ADD_FAILURE() << "no widget " << name;
        return found;
    }
    // The dialog that a button or a menu item of the main window opens.
    QWidget* openDialog(const char* opener, const Window& dialog)
    {
        if (auto* button = main->findChild<QPushButton*>(opener))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            main->findChild<QAction*>(opener)->trigger();
        return qtToolkit.widget(dialog);
    }
    void showActive()
    {
        mainWindow().show();
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    }

    QtToolkit qtToolkit;
    QMainWindow* main = nullptr;
};

} // namespace orvane::test
