// The Qt window and its dialogs in each language Orvane has a catalogue
// for: every control shows the catalogue's text, in the room the layout
// gives the English one: inside the box that holds it and clear of every
// control beside it. Run at Qt's scales 1, 1.5 and 2.
#include "app/MainWindow.h"
#include "dialogs/AboutBox.h"
#include "dialogs/AccountNameDialog.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/ProfileRenameDialog.h"
#include "dialogs/RestoreDialog.h"
#include "language/Texts.h"
#include "tests/qt/QtWindowFixture.h"
#include "ui/qt/QtOwnTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace orvane {
namespace {

class QtInLanguage : public test::QtWindow, public ::testing::WithParamInterface<std::string> {
protected:
    void beforeStart() override { texts = textsFor({GetParam()}, builtInCatalogues()); }

    // The text the widget shows, where it shows one.
    static std::optional<QString> shownText(const QWidget& widget)
    {
        if (const auto* label = qobject_cast<const QLabel*>(&widget))
            return label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
            return button->text();
        if (const auto* box = qobject_cast<const QGroupBox*>(&widget))
            return box->title();
        return std::nullopt;
    }

    // english: the window's table as written, row for row.
    void expectInItsLanguageAndInItsRoom(const WindowLayout& english, QWidget& top) const
    {
        SCOPED_TRACE(english.name);
        EXPECT_EQ(top.windowTitle().toStdString(), texts(english.caption));
        std::vector<QWidget*> placed;
        for (const LayoutRow& row : english.controls) {
            if (row.kind == ControlKind::MenuItem && !row.caption.empty()) {
                const auto* item = top.findChild<QAction*>(test::qt(row.name));
                ASSERT_TRUE(item) << row.name;
                EXPECT_EQ(item->text().toStdString(), texts(row.caption)) << row.name;
                continue;
            }
            auto* widget = top.findChild<QWidget*>(test::qt(row.name));
            if (!widget || !widget->isVisible() || row.kind == ControlKind::StatusBar)
                continue;
            SCOPED_TRACE(row.name);
            const auto shown = shownText(*widget);
            if (shown && !row.verbatim && row.caption.size() > 1) {
                EXPECT_EQ(shown->toStdString(), texts(row.caption));
            }
            EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry())) << "outside its box";
            if (const auto* group = qobject_cast<QGroupBox*>(widget)) {
                EXPECT_LE(group->fontMetrics().horizontalAdvance(group->title()), group->width() - 16) << "title cut";
            }
            for (const QWidget* other : placed)
                if (other->parentWidget() == widget->parentWidget() && other->geometry().intersects(widget->geometry()))
                    ADD_FAILURE() << row.name << " runs into " << other->objectName().toStdString();
            placed.push_back(widget);
        }
    }
};

TEST_P(QtInLanguage, EveryWindowShowsTheCataloguesTextsInTheRoomOfTheEnglishOnes)
{
    ASSERT_EQ(texts.language(), GetParam());
    showActive();
    expectInItsLanguageAndInItsRoom(mainWindowLayout(), *main);
    // The status panels' texts whole, not shortened to fit, before a change and after.
    EXPECT_EQ(widget<QLabel>("StatusPanel1")->text().toStdString(), texts("No changes have been made!"));
    EXPECT_EQ(widget<QLabel>("StatusPanel2")->text().toStdString(), texts("No configuration loaded!"));
    QTest::mouseClick(widget<QCheckBox>("SFXCB"), Qt::LeftButton, {}, QPoint(4, 8));
    EXPECT_EQ(widget<QLabel>("StatusPanel1")->text().toStdString(), texts("Changes have been made!"));
    const std::tuple<const char*, const WindowLayout&, Window*> dialogs[] = {
        {"AddBnet", accountNameDialogLayout(), &windows->accountName->window()},
        {"Rename", profileRenameDialogLayout(), &windows->profileRename->window()},
        {"CPS", folderChooserLayout(), &windows->folders->window()},
        {"CMOptions", optionsDialogLayout(), &windows->options->window()},
        {"CMHelpInfo", aboutBoxLayout(), &windows->about->window()},
        {"CMFileRestore", restoreDialogLayout(), &windows->restore->window()}};
    for (const auto& [opener, layout, window] : dialogs) {
        QWidget* dialog = openDialog(opener, *window);
        ASSERT_TRUE(dialog && dialog->isVisible()) << opener;
        expectInItsLanguageAndInItsRoom(layout, *dialog);
        QTest::keyClick(dialog, Qt::Key_Escape);
    }
}

// The buttons Qt labels itself, as in a question whether to save.
TEST_P(QtInLanguage, QtsOwnButtonsSpeakTheLanguageToo)
{
    QMessageBox english(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No);
    ASSERT_EQ(english.button(QMessageBox::Yes)->text(), "&Yes");
    const QtOwnTexts qtTexts(texts);
    QMessageBox question(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No);
    EXPECT_NE(question.button(QMessageBox::Yes)->text(), "&Yes");
    if (GetParam() == "de") {
        EXPECT_EQ(question.button(QMessageBox::Yes)->text(), "&Ja");
    }
}

std::vector<std::string> cataloguedLanguages()
{
    std::vector<std::string> languages;
    for (const BuiltInCatalogue& catalogue : builtInCatalogues())
        languages.emplace_back(catalogue.language);
    return languages;
}

INSTANTIATE_TEST_SUITE_P(Catalogues, QtInLanguage, ::testing::ValuesIn(cataloguedLanguages()),
                         [](const auto& language) { return language.param; });

} // namespace
} // namespace orvane
