// The main window as it has always looked: pixels at 96 DPI, places counted
// from the top-left corner of the box that holds the control.
#include "app/MainWindow.h"
#include "app/Mappings.h"

namespace orvane {
namespace {

using enum ControlKind;

const std::vector<std::string> Levels{"Low", "Middle", "High"};
const std::vector<std::string> Depths{"16 Bit", "32 Bit"};
constexpr Handler Change = on<&SettingsPresenter::settingChanged>;
const std::string ApplyHint = "If you click here the changes you made will be saved to Registry.";

std::string portRange(std::string_view between)
{
    return std::to_string(schema::GamePorts.lowest) + std::string(between) + std::to_string(schema::GamePorts.highest);
}

// clang-format off
WindowLayout makeMainWindow()
{
    return {
        .name = "MainForm",
        .caption = "Orvane",
        .clientWidth = 894,
        .clientHeight = 584,
        .mainWindow = true,
        .controls = {
            {.kind = GroupBox, .name = "GameplayGroupBox", .caption = "Gameplay", .left = 8, .top = 8, .width = 185, .height = 249, .tab = 2},
            {.kind = GroupBox, .name = "VideoGroupBox", .caption = "Video", .left = 200, .top = 8, .width = 185, .height = 521, .tab = 0},
            {.kind = GroupBox, .name = "SoundGroupBox", .caption = "Sound", .left = 392, .top = 8, .width = 185, .height = 457, .tab = 1},
            {.kind = GroupBox, .name = "MiscGroupBox", .caption = "Miscellaneous", .left = 584, .top = 8, .width = 305, .height = 433, .tab = 3},

            // Gameplay
            {.kind = CheckBox, .name = "MSCB", .parent = "GameplayGroupBox", .caption = "Mouse Scrolling (1-100)", .left = 8, .top = 24, .width = 129, .height = 17, .tab = 0,
             .hint = "If you click here, you can enable/disable mouse scrolling. Default is enabled.", .handler = Change},
            {.kind = Slider, .name = "MSTrackBar", .parent = "GameplayGroupBox", .left = 8, .top = 48, .width = 145, .height = 17, .tab = 1,
             .hint = "This changes the mouse scroll speed. Default is 50.", .handler = Change},
            {.kind = Label, .name = "MSCount", .parent = "GameplayGroupBox", .caption = "1", .left = 160, .top = 48, .height = 13},
            {.kind = Label, .name = "Label32", .parent = "GameplayGroupBox", .caption = "Keyboard Scrolling (1-100)", .left = 8, .top = 80, .height = 13},
            {.kind = Slider, .name = "KSTrackBar", .parent = "GameplayGroupBox", .left = 8, .top = 104, .width = 145, .height = 17, .tab = 2,
             .hint = "This changes the keyboard scroll speed. Default is 50.", .handler = Change},
            {.kind = Label, .name = "KSCount", .parent = "GameplayGroupBox", .caption = "1", .left = 160, .top = 104, .height = 13},
            {.kind = CheckBox, .name = "TTCB", .parent = "GameplayGroupBox", .caption = "Tooltips", .left = 8, .top = 136, .width = 57, .height = 17, .tab = 5,
             .hint = "You can enable/disable Tooltips here. Default is enabled.", .handler = Change},
            {.kind = Label, .name = "Label34", .parent = "GameplayGroupBox", .caption = "Network Gameport (" + portRange(" - ") + ")", .left = 8, .top = 160, .height = 13},
            {.kind = Edit, .name = "NetGP", .parent = "GameplayGroupBox", .left = 8, .top = 176, .width = 49, .height = 21, .tab = 3,
             .hint = "Enter here a value from " + portRange(" to ") + " as Network Gameport. Default is " + std::to_string(schema::DefaultPort) + ".", .handler = Change, .maxLength = 5},
            {.kind = Button, .name = "GAS", .parent = "GameplayGroupBox", .caption = "Apply Settings", .left = 16, .top = 216, .width = 153, .height = 25, .tab = 4,
             .hint = ApplyHint, .handler = on<&SettingsPresenter::apply, ApplyGroup::Gameplay>},

            // Video
            {.kind = Label, .name = "Resolution", .parent = "VideoGroupBox", .caption = "Resolution", .left = 8, .top = 24, .height = 13},
            {.kind = DropDownList, .name = "ResCB", .parent = "VideoGroupBox",
             .items = resolutionTexts(),
             .left = 64, .top = 24, .width = 81, .height = 21, .tab = 0,
             .hint = "Here you can set the resolution. Higher resolution means smoother graphics at cost of performance (graphics card). Default is 800x600.",
             .handler = Change},
            {.kind = Label, .name = "Label1", .parent = "VideoGroupBox", .caption = "Color Depth", .left = 8, .top = 56, .height = 13},
            {.kind = DropDownList, .name = "CDCombo", .parent = "VideoGroupBox", .items = Depths, .left = 72, .top = 56, .width = 57, .height = 21, .tab = 1,
             .hint = "Here you can set the color depth. In 32 Bit mode more colors are displayed at cost of performance (graphics card). Default is 16 Bit.",
             .handler = Change},
            {.kind = Label, .name = "Label7", .parent = "VideoGroupBox", .caption = "Refresh Rate", .left = 8, .top = 88, .height = 13},
            {.kind = DropDownList, .name = "RRCombo", .parent = "VideoGroupBox", .left = 80, .top = 88, .width = 65, .height = 21, .tab = 12,
             .hint = "Here you can specify the refresh rate. It is recommended to use the highest value available. You can only set values supported by your hardware (monitor, graphics  card).",
             .handler = Change},
            {.kind = Label, .name = "Label2", .parent = "VideoGroupBox", .caption = "Modeldetail", .left = 8, .top = 120, .height = 13},
            {.kind = DropDownList, .name = "MDCombo", .parent = "VideoGroupBox", .items = Levels, .left = 88, .top = 120, .width = 65, .height = 21, .tab = 2,
             .hint = "Here you can set the detail of the models. The lower the more performance. Default is low.", .handler = Change},
            {.kind = Label, .name = "Label3", .parent = "VideoGroupBox", .caption = "Animationquality", .left = 8, .top = 152, .height = 13},
            {.kind = DropDownList, .name = "AQCombo", .parent = "VideoGroupBox", .items = Levels, .left = 88, .top = 152, .width = 65, .height = 21, .tab = 3,
             .hint = "Here you can set the quality of animations. If you are low on RAM (128 MB) set it to Low. Default is Medium.", .handler = Change},
            {.kind = Label, .name = "Label4", .parent = "VideoGroupBox", .caption = "Texturequality", .left = 8, .top = 184, .height = 13},
            {.kind = DropDownList, .name = "TQCombo", .parent = "VideoGroupBox", .items = Levels, .left = 88, .top = 184, .width = 65, .height = 21, .tab = 4,
             .hint = "Here you can specify the quality of the textures. If you have a weak graphics card choose a lower value. Default is Medium.", .handler = Change},
            {.kind = Label, .name = "Label5", .parent = "VideoGroupBox", .caption = "Particles", .left = 8, .top = 216, .height = 13},
            {.kind = DropDownList, .name = "PCombo", .parent = "VideoGroupBox", .items = Levels, .left = 88, .top = 216, .width = 65, .height = 21, .tab = 5,
             .hint = "Here you can set the quality/amount of particles (fire, footsteps,...). Higher values means better graphics at cost of performance (CPU). Default is Medium.",
             .handler = Change},
            {.kind = Label, .name = "Label6", .parent = "VideoGroupBox", .caption = "Lights", .left = 8, .top = 248, .height = 13},
            {.kind = DropDownList, .name = "LCombo", .parent = "VideoGroupBox", .items = Levels, .left = 88, .top = 248, .width = 65, .height = 21, .tab = 6,
             .hint = "Sets the number of lights used at one time in Warcraft III. Low = 1 light, Medium = 4 lights, High = 8 lights. If your graphics card has only 16 MB RAM set it to Low. Default is High.",
             .handler = Change},
            {.kind = CheckBox, .name = "USCB", .parent = "VideoGroupBox", .caption = "Unit - Shadows", .left = 8, .top = 280, .width = 97, .height = 17, .tab = 10,
             .hint = "Here you can enable/disable shadows of units. Default is enabled.", .handler = Change},
            {.kind = CheckBox, .name = "OCB", .parent = "VideoGroupBox", .caption = "Occlusion", .left = 8, .top = 304, .width = 73, .height = 17, .tab = 11,
             .hint = "Here you can enable/disable occlusion. If enabled, trees will get transparent if units are behind them. Default is enabled.", .handler = Change},
            {.kind = Label, .name = "Label18", .parent = "VideoGroupBox", .caption = "Gamma (1-100)", .left = 8, .top = 328, .height = 13},
            {.kind = Slider, .name = "GammaTrackBar", .parent = "VideoGroupBox", .left = 8, .top = 344, .width = 145, .height = 17, .tab = 7,
             .hint = "Here you can set Gamma. The higher the value the brighter the screen in Warcraft III. Default is 25.", .handler = Change},
            {.kind = Label, .name = "GammaCount", .parent = "VideoGroupBox", .caption = "1", .left = 160, .top = 345, .height = 13},
            {.kind = GroupBox, .name = "VESGroupBox", .parent = "VideoGroupBox", .caption = "Expert Settings", .left = 8, .top = 376, .width = 169, .height = 105, .tab = 9},
            {.kind = Label, .name = "Label27", .parent = "VESGroupBox", .caption = "Mipmap Detail", .left = 8, .top = 24, .height = 13},
            {.kind = DropDownList, .name = "MipCombo", .parent = "VESGroupBox", .items = {"0", "1", "2"}, .left = 80, .top = 20, .width = 49, .height = 21, .tab = 1,
             .hint = "You can choose a value from 0 to 2 for Mipmap Detail. The lower the value the smoother the graphics of Warcraft III will be at cost of performance.",
             .handler = Change},
            {.kind = Label, .name = "Label28", .parent = "VESGroupBox", .caption = "Texture Color Depth", .left = 8, .top = 56, .height = 13},
            {.kind = DropDownList, .name = "TCDCombo", .parent = "VESGroupBox", .items = Depths, .left = 104, .top = 52, .width = 57, .height = 21, .tab = 0,
             .hint = "Here you can set the color depth for textures. In 32 Bit mode more colors are displayed at cost of performance (graphics card). Default is 16 Bit.",
             .handler = Change},
            {.kind = CheckBox, .name = "OGLCB", .parent = "VESGroupBox", .caption = "OpenGL Mode", .left = 8, .top = 80, .width = 97, .height = 17, .tab = 2,
             .hint = "If this option is enabled both Warcraft III and the World Editor will use OpenGL as graphics system.", .handler = Change},
            {.kind = Button, .name = "VAS", .parent = "VideoGroupBox", .caption = "Apply Settings", .left = 16, .top = 488, .width = 153, .height = 25, .tab = 8,
             .hint = ApplyHint, .handler = on<&SettingsPresenter::apply, ApplyGroup::Video>},

            // Sound
            {.kind = CheckBox, .name = "SFXCB", .parent = "SoundGroupBox", .caption = "SFX Volume (1-100)", .left = 8, .top = 24, .width = 113, .height = 17, .tab = 0,
             .hint = "Here you can enable/disable SFX. Default is enabled (if you have a sound card).", .handler = Change},
            {.kind = Slider, .name = "SFXTrackBar", .parent = "SoundGroupBox", .left = 8, .top = 48, .width = 145, .height = 17, .tab = 8,
             .hint = "Here you can specify the volume of the SFX. Default is 100.", .handler = Change},
            {.kind = Label, .name = "SFXCount", .parent = "SoundGroupBox", .caption = "1", .left = 160, .top = 48, .height = 13},
            {.kind = CheckBox, .name = "MCB", .parent = "SoundGroupBox", .caption = "Music Volume (1-100)", .left = 8, .top = 80, .width = 121, .height = 17, .tab = 1,
             .hint = "Here you can enable/disable music. Default is enabled (if you have a sound card).", .handler = Change},
            {.kind = Slider, .name = "MusicTrackBar", .parent = "SoundGroupBox", .left = 8, .top = 104, .width = 145, .height = 17, .tab = 9,
             .hint = "Here you can specify the volume of the music. Default is 80.", .handler = Change},
            {.kind = Label, .name = "MusicCount", .parent = "SoundGroupBox", .caption = "1", .left = 160, .top = 104, .height = 13},
            {.kind = CheckBox, .name = "EnvCB", .parent = "SoundGroupBox", .caption = "Environmental", .left = 8, .top = 136, .width = 89, .height = 17, .tab = 12,
             .hint = "This enables/disabled environmental sounds. Default is enabled.", .handler = Change},
            {.kind = CheckBox, .name = "MovCB", .parent = "SoundGroupBox", .caption = "Movement", .left = 8, .top = 160, .width = 73, .height = 17, .tab = 2,
             .hint = "If this is enabled units will make a noise when they move. Default is enabled.", .handler = Change},
            {.kind = CheckBox, .name = "URCB", .parent = "SoundGroupBox", .caption = "Unit Response", .left = 8, .top = 184, .width = 89, .height = 17, .tab = 3,
             .hint = "This enables/disables unit sounds (responses,...). Default is enabled.", .handler = Change},
            {.kind = CheckBox, .name = "STCB", .parent = "SoundGroupBox", .caption = "Subtitles", .left = 8, .top = 208, .width = 65, .height = 17, .tab = 4,
             .hint = "This enables/disables the subtitles in the cinematics. Default is disabled.", .handler = Change},
            {.kind = CheckBox, .name = "PosCB", .parent = "SoundGroupBox", .caption = "3D - Sound", .left = 8, .top = 232, .width = 73, .height = 17, .tab = 5,
             .hint = "This enables/disables 3D - Sound. If this is enabled, sounds will be like they would be in reality (if you are close to them they are louder...) at cost of performance (CPU). Default is enabled.",
             .handler = Change},
            {.kind = CheckBox, .name = "AmbCB", .parent = "SoundGroupBox", .caption = "Ambient", .left = 8, .top = 256, .width = 57, .height = 17, .tab = 6, .handler = Change},
            {.kind = Label, .name = "Label17", .parent = "SoundGroupBox", .caption = "Sound - System:", .left = 8, .top = 288, .height = 13},
            {.kind = DropDownList, .name = "SndSysCombo", .parent = "SoundGroupBox", .items = {"Dolby Surround", "Miles Emulated 3D", "Creative Labs EAX2 (tm)"},
             .left = 8, .top = 312, .width = 145, .height = 21, .tab = 7,
             .hint = "Choose a appropriate sound system that fits to your hardware. Note: Creative Labs EAX2 (tm) will only work if you have a Creative Soundcard that supports EAX2. Default is Miles Emulated 3D.",
             .handler = Change},
            {.kind = GroupBox, .name = "SESGroupBox", .parent = "SoundGroupBox", .caption = "Expert Settings", .left = 8, .top = 352, .width = 105, .height = 65, .tab = 11},
            {.kind = CheckBox, .name = "MidiCB", .parent = "SESGroupBox", .caption = "Midi", .left = 8, .top = 16, .width = 41, .height = 17, .tab = 1, .handler = Change},
            {.kind = CheckBox, .name = "SoftMidiCB", .parent = "SESGroupBox", .caption = "Software Midi", .left = 8, .top = 40, .width = 89, .height = 17, .tab = 0, .handler = Change},
            {.kind = Button, .name = "SAS", .parent = "SoundGroupBox", .caption = "Apply Settings", .left = 16, .top = 424, .width = 153, .height = 25, .tab = 10,
             .hint = ApplyHint, .handler = on<&SettingsPresenter::apply, ApplyGroup::Sound>},

            // Miscellaneous
            {.kind = Label, .name = "Label19", .parent = "MiscGroupBox", .caption = "Campaign Profile", .left = 8, .top = 24, .height = 13},
            {.kind = DropDownList, .name = "CPCombo", .parent = "MiscGroupBox", .left = 96, .top = 24, .width = 113, .height = 21, .tab = 10,
             .hint = "Here you can choose the current player profile.", .handler = Change},
            {.kind = Button, .name = "Rename", .parent = "MiscGroupBox", .caption = "Rename", .left = 216, .top = 24, .width = 57, .height = 17, .tab = 11,
             .hint = "If you click here, you'll be asked for a new name for the current profile. If you confirmed a new name it'll be immediately saved.",
             .handler = on<&MainWindow::askForProfileName>},
            {.kind = GroupBox, .name = "GroupBox1", .parent = "MiscGroupBox", .caption = "Battle.net Account Name", .left = 8, .top = 56, .width = 233, .height = 49, .tab = 15},
            {.kind = DropDownList, .name = "BnetName", .parent = "GroupBox1", .left = 16, .top = 20, .width = 105, .height = 21, .tab = 0,
             .hint = "Here you can choose one of the Battle.net account names that are in the list.", .handler = Change},
            {.kind = Button, .name = "AddBnet", .parent = "GroupBox1", .caption = "Add", .left = 128, .top = 24, .width = 33, .height = 17, .tab = 1,
             .hint = "If you click her you'll be asked for the new account name. If you confirm this, it'll be added to the list.", .handler = on<&MainWindow::askForAccountName>},
            {.kind = Button, .name = "DelBnet", .parent = "GroupBox1", .caption = "Delete", .left = 168, .top = 24, .width = 57, .height = 17, .tab = 2,
             .hint = "If you click here, the currently selected account name will be deleted from the list.", .handler = on<&MainWindow::deleteAccountName>},
            {.kind = Label, .name = "Label21", .parent = "MiscGroupBox", .caption = "LAN Username", .left = 8, .top = 120, .height = 13},
            {.kind = Edit, .name = "LANName", .parent = "MiscGroupBox", .left = 88, .top = 120, .width = 97, .height = 21, .tab = 0,
             .hint = "Here you can enter the username for LAN.", .handler = Change},
            {.kind = CheckBox, .name = "IMCB", .parent = "MiscGroupBox", .caption = "Intro Movie", .left = 8, .top = 152, .width = 73, .height = 17, .tab = 13,
             .hint = "If this option is enabled, Warcraft III will show the Intro movie again. When you have seen it, it'll be disabled by Warcraft III.  ",
             .handler = Change},
            {.kind = Label, .name = "Label23", .parent = "MiscGroupBox", .caption = "Path for Savegames", .left = 8, .top = 176, .height = 13},
            {.kind = Edit, .name = "PS", .parent = "MiscGroupBox", .left = 8, .top = 192, .width = 225, .height = 21, .tab = 3,
             .hint = "This is the current path for savegames. You can enter a new one.", .handler = Change},
            {.kind = Button, .name = "CPS", .parent = "MiscGroupBox", .caption = "Choose", .left = 240, .top = 192, .width = 57, .height = 17, .tab = 2,
             .hint = "Click here to choose a new folder for savegames.", .handler = on<&MainWindow::chooseFolder, &SettingsSnapshot::savpath>},
            {.kind = Label, .name = "Label24", .parent = "MiscGroupBox", .caption = "Path for Replays", .left = 8, .top = 224, .height = 13},
            {.kind = Edit, .name = "PR", .parent = "MiscGroupBox", .left = 8, .top = 240, .width = 225, .height = 21, .tab = 4,
             .hint = "This is the current path for replays. You can enter a new one.", .handler = Change},
            {.kind = Button, .name = "CPR", .parent = "MiscGroupBox", .caption = "Choose", .left = 240, .top = 240, .width = 57, .height = 17, .tab = 5,
             .hint = "Click here to choose a new folder for replays.", .handler = on<&MainWindow::chooseFolder, &SettingsSnapshot::reppath>},
            {.kind = Label, .name = "Label25", .parent = "MiscGroupBox", .caption = "Path for Logs", .left = 8, .top = 272, .height = 13},
            {.kind = Edit, .name = "PL", .parent = "MiscGroupBox", .left = 8, .top = 288, .width = 225, .height = 21, .tab = 6,
             .hint = "This is the current path for logs. You can enter a new one.", .handler = Change},
            {.kind = Button, .name = "CPL", .parent = "MiscGroupBox", .caption = "Choose", .left = 240, .top = 288, .width = 57, .height = 17, .tab = 7,
             .hint = "Click here to choose a new folder for logs.", .handler = on<&MainWindow::chooseFolder, &SettingsSnapshot::logpath>},
            {.kind = Label, .name = "Label26", .parent = "MiscGroupBox", .caption = "Path for Error reports", .left = 8, .top = 320, .height = 13},
            {.kind = Edit, .name = "PE", .parent = "MiscGroupBox", .left = 8, .top = 336, .width = 225, .height = 21, .tab = 8,
             .hint = "This is the current path for error reports. You can enter a new one.", .handler = Change},
            {.kind = Button, .name = "CPE", .parent = "MiscGroupBox", .caption = "Choose", .left = 240, .top = 336, .width = 57, .height = 17, .tab = 9,
             .hint = "Click here to choose a new folder for error reports.", .handler = on<&MainWindow::chooseFolder, &SettingsSnapshot::errpath>},
            {.kind = CheckBox, .name = "ALFCB", .parent = "MiscGroupBox", .caption = "Allow Local Files", .left = 8, .top = 368, .width = 97, .height = 17, .tab = 12,
             .hint = "If this option is enabled, Warcraft III will use files from folders (similar to WorldEdit). By default this option is disabled.",
             .handler = Change},
            {.kind = Button, .name = "RemLoFiKey", .parent = "MiscGroupBox", .caption = "Remove \"Allow Local Files\" Value", .left = 120, .top = 368, .width = 169, .height = 17, .tab = 14,
             .hint = "This deletes the value \"Allow Local Files\" in the Warcraft III main registry key (HKEY_CURRENT_USER\\Software\\Blizzard Entertainment\\Warcraft III\\).",
             .handler = on<&MainWindow::removeAllowLocalFiles>},
            {.kind = Button, .name = "MAS", .parent = "MiscGroupBox", .caption = "Apply Settings", .left = 80, .top = 400, .width = 153, .height = 25, .tab = 1,
             .hint = ApplyHint, .handler = on<&SettingsPresenter::apply, ApplyGroup::Misc>},

            // Outside the group boxes
            {.kind = Image, .name = "W3Icon", .left = 400, .top = 512, .width = 49, .height = 49, .hint = "Click here to run Warcraft III", .handler = on<&MainWindow::startGame>, .picture = "game"},
            {.kind = Image, .name = "WEIcon", .left = 456, .top = 512, .width = 49, .height = 49, .hint = "Click here to run the World-Editor", .handler = on<&MainWindow::startEditor>, .picture = "editor"},
            {.kind = StatusBar, .name = "StatusBar", .left = 0, .top = 567, .width = 894, .height = 17, .panelWidths = {350, 175, 250}},
            // Never visible: they carry the change and the destruction handlers.
            {.kind = Button, .name = "UpdButinv", .left = 185, .top = 272, .tab = 5, .handler = Change, .hidden = true},
            {.kind = Button, .name = "Shtdwn", .left = 185, .top = 264, .tab = 6, .handler = on<&MainWindow::shutDown>, .hidden = true},

            // The menu bar
            {.kind = Menu, .name = "CMFile", .caption = "&File"},
            {.kind = MenuItem, .name = "CMFileReloadCFG", .parent = "CMFile", .caption = "&Reload Configuration from Registry", .handler = on<&MainWindow::reloadSettings>, .shortcut = "F5"},
            {.kind = MenuItem, .name = "CMFileLoadConfig", .parent = "CMFile", .caption = "&Load Configuration", .handler = on<&MainWindow::loadConfigurationFile>, .shortcut = "Ctrl+L"},
            {.kind = MenuItem, .name = "CMFileSaveConfig", .parent = "CMFile", .caption = "&Save Configuration", .handler = on<&MainWindow::saveConfigurationFile>, .shortcut = "Ctrl+S"},
            {.kind = Separator, .name = "N2", .parent = "CMFile"},
            {.kind = MenuItem, .name = "CMFileUndo", .parent = "CMFile", .caption = "&Undo Last Change", .handler = on<&MainWindow::undoLastChange>, .shortcut = "F8"},
            {.kind = MenuItem, .name = "CMFileRestore", .parent = "CMFile", .caption = "Restore &Earlier Settings…", .handler = on<&MainWindow::openRestoreDialog>},
            {.kind = Separator, .name = "N1", .parent = "CMFile"},
            {.kind = MenuItem, .name = "CMFileClose", .parent = "CMFile", .caption = "&Quit", .handler = on<&MainWindow::quit>, .shortcut = "Ctrl+Q"},
            {.kind = MenuItem, .name = "CMOptions", .caption = "Options...", .handler = on<&MainWindow::openOptions>},
            {.kind = MenuItem, .name = "CMRegCleanUp", .caption = "Registry Cleanup", .handler = on<&MainWindow::cleanUpRegistry>, .shortcut = "F6"},
            {.kind = Menu, .name = "CMHelp", .caption = "&Help"},
            {.kind = MenuItem, .name = "CMHelpReadme", .parent = "CMHelp", .caption = "View Readme...", .handler = on<&MainWindow::openReadme>, .shortcut = "F1"},
            {.kind = MenuItem, .name = "CMHelpInfo", .parent = "CMHelp", .caption = "&About", .handler = on<&MainWindow::openAbout>},
        },
    };
}
// clang-format on

} // namespace

const WindowLayout& mainWindowLayout()
{
    static const WindowLayout layout = makeMainWindow();
    return layout;
}

} // namespace orvane
