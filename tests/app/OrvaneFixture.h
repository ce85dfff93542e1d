#pragma once
// Orvane started headless on a prefix of its own, with the message-box and
// display doubles installed.
#include "app/ProgramState.h"
#include "app/Startup.h"
#include "settings/Schema.h"
#include "tests/support/FixedDisplayModes.h"
#include "tests/support/GamePrefix.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/RecordingMessageBoxes.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <gtest/gtest.h>

#include <cstdlib>

namespace orvane::test {

class OrvaneFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        startedIn = std::filesystem::current_path();
        ::setenv("WINEPREFIX", prefix.path().c_str(), 1);
        installMessageBoxes(&boxes);
        installDisplayModeSource(&display);
        resetProgramState();
    }
    void TearDown() override
    {
        windows.reset();
        std::filesystem::current_path(startedIn);
        resetProgramState();
        installMessageBoxes(nullptr);
        installDisplayModeSource(nullptr);
    }
    StartOutcome start(std::vector<std::string> arguments = {})
    {
        programState().arguments = std::move(arguments);
        windows = std::make_unique<Windows>();
        return startProgram(*windows);
    }
    TMainForm& form() const { return *windows->MainForm; }
    QString panel(int index) const { return form().panelText(index); }
    template <class Widget = QWidget>
    Widget* control(const char* name) const
    {
        auto* widget = form().findChild<Widget*>(name);
        if (!widget)
            ADD_FAILURE() << "no control " << name;
        return widget;
    }
    QAction* action(const char* name) const { return control<QAction>(name); }
    // The registry as a second start of Orvane would read it.
    std::unique_ptr<RegistryAccess> reread() const
    {
        return std::make_unique<RegistryAccess>(std::make_unique<WinePrefixStore>(prefix.path()));
    }
    void setGameValue(std::string_view key, const char* name, int32_t value) const
    {
        prefix.edit([&](RegistryAccess& registry) {
            registry.OpenKey(key, true);
            registry.WriteInteger(name, value);
        });
    }
    std::vector<std::string> errorTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : boxes.shown)
            if (box.caption == "Orvane" && box.icon == MessageIcon::Error)
                texts.push_back(box.text);
        return texts;
    }

    GamePrefix prefix;
    RecordingMessageBoxes boxes;
    FixedDisplayModes display;
    std::filesystem::path startedIn;
    std::unique_ptr<Windows> windows;
};

} // namespace orvane::test
