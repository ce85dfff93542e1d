#pragma once
// Orvane started with the in-memory toolkit on a game of its own, with the
// message-box, file-dialog, starter, display and running-programs doubles
// in a fresh context. The helpers act as a player does: through the
// controls' user events, one dispatched event each.
#include "app/Startup.h"
#include "settings/Schema.h"
#include "tests/support/FixedDisplayModes.h"
#include "tests/support/ListedPrograms.h"
#include "tests/support/MemoryToolkit.h"
#include "tests/support/RecordingFileDialogs.h"
#include "tests/support/RecordingStarter.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/TestGame.h"

#include <gtest/gtest.h>

namespace orvane::test {

class OrvaneFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    StartOutcome start(std::vector<std::string> arguments = {});
    // The context of the last start.
    Context& state() const { return *context; }
    // The toolkit the windows are built with: the in-memory one here.
    virtual Toolkit& toolkitInUse() { return toolkit; }

    MainWindow& form() const { return *windows->main; }
    Window& mainWindow() const { return form().window(); }
    std::string panel(int index) const { return form().panelText(index); }
    template <class Kind = Control>
    Kind& control(std::string_view name) const { return mainWindow().get<Kind>(name); }
    ListControl& list(std::string_view name) const { return mainWindow().list(name); }
    CheckControl& check(std::string_view name) const { return mainWindow().check(name); }
    SliderControl& slider(std::string_view name) const { return mainWindow().slider(name); }
    EditControl& edit(std::string_view name) const { return mainWindow().edit(name); }

    // A click on a check box, button, picture or menu item.
    void click(std::string_view name, Window* window = nullptr) const;
    void pick(std::string_view list, int index) const { this->list(list).userSelect(index); }
    void pick(std::string_view list, const std::string& item) const;
    void moveSlider(std::string_view name, int position) const { slider(name).userMove(position); }
    // Keystrokes at the end of the field, each an event; the field's length
    // limit stops typing as the real controls do.
    void type(EditControl& field, const std::string& typed) const;
    void type(std::string_view name, const std::string& typed) const { type(edit(name), typed); }
    // Selects all and types over it.
    void retype(std::string_view name, const std::string& typed) const;
    // The shortcut of a menu item, pressed with the focus anywhere.
    void pressShortcut(const std::string& shortcut) const;

    std::vector<std::string> errorTexts() const;

    TestGame game;
    RecordingMessageBoxes boxes;
    RecordingFileDialogs files;
    RecordingStarter starter;
    FixedDisplayModes display;
    ListedPrograms programs;
    MemoryToolkit toolkit;
    std::filesystem::path startedIn;
    // Panel 0's tool tip for the next start.
    std::string winePrefix;
    // Orvane's own folders for the next start.
    ProgramFolders folders;
    // Where the next start keeps its history; empty: none is kept.
    std::filesystem::path historyFolder;
    // The language of the next start.
    Texts texts;
    std::unique_ptr<Context> context;
    std::unique_ptr<Windows> windows;
};

// Reading the registry back as a second start of Orvane would.
int32_t integerIn(const TestGame& game, std::string_view key, std::string_view name);
std::string textIn(const TestGame& game, std::string_view key, std::string_view name);
std::vector<std::string> namesIn(const TestGame& game, std::string_view key);

} // namespace orvane::test
