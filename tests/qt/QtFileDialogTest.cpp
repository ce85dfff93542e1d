// The Qt file dialogs of Save and Load Configuration, answered as a player
// answers them: their title, filter and options, and a file that cannot or
// may not be replaced.
#include "tests/qt/QtWindowFixture.h"
#include "tests/support/Files.h"
#include "ui/qt/QtFileDialogs.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <vector>

namespace orvane {
namespace {

using test::QtWindow;

TEST_F(QtWindow, TheConfigurationDialogsHaveTheirTitleFilterAndOptions)
{
    showActive();
    QtFileDialogs real;
    files.passTo = &real;
    const std::filesystem::path chosen = game.scratch() / "saved.ini";
    QString title, filter, suffix, name;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        title = dialog->windowTitle();
        filter = dialog->nameFilters().join(";");
        suffix = dialog->defaultSuffix();
        name = dialog->objectName();
        mode = dialog->acceptMode();
        dialog->selectFile(QString::fromStdString((game.scratch() / "saved").string()));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QTest::keyClick(widget("ResCB"), Qt::Key_S, Qt::ControlModifier);
    files.passTo = nullptr;
    EXPECT_EQ(title, "Choose a name or a file for the new Configuration");
    EXPECT_EQ(filter, "Orvane Configuration (*.ini)");
    EXPECT_EQ(suffix, "ini");
    EXPECT_EQ(name, "SaveConfigDlg");
    EXPECT_EQ(mode, QFileDialog::AcceptSave);
    EXPECT_TRUE(std::filesystem::exists(chosen)); // the default extension was added
}

// The dialog and the boxes it shows, each answered in turn as a player
// would, once it is the window that waits for an answer.
struct Answer {
    bool box; // a message box, else the file dialog
    std::function<void(QWidget*)> act;
};

// The file view lists the folder on a thread of its own and may put its
// last selection back beside the typed name: the name is typed until the
// dialog holds it alone, then the dialog is accepted.
void typeAndAccept(QFileDialog* dialog, const QString& file, int tries = 50)
{
    const QFileInfo chosen(file);
    dialog->setDirectory(chosen.absolutePath());
    for (auto* view : dialog->findChildren<QAbstractItemView*>())
        view->clearSelection();
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText(chosen.fileName());
    QTimer::singleShot(20, dialog, [dialog, file, tries] {
        if (dialog->selectedFiles() != QStringList{file} && tries > 0)
            typeAndAccept(dialog, file, tries - 1);
        else
            QMetaObject::invokeMethod(dialog, "accept");
    });
}

void answerInTurn(std::vector<Answer> answers)
{
    if (answers.empty())
        return;
    QTimer::singleShot(10, [answers = std::move(answers)]() mutable {
        QWidget* waiting = QApplication::activeModalWidget();
        const bool ready = waiting && (answers.front().box ? qobject_cast<QMessageBox*>(waiting) != nullptr
                                                           : qobject_cast<QFileDialog*>(waiting) != nullptr);
        if (!ready) {
            answerInTurn(std::move(answers));
            return;
        }
        const Answer answer = answers.front();
        answers.erase(answers.begin());
        answerInTurn(std::move(answers));
        answer.act(waiting);
    });
}

TEST_F(QtWindow, SavingOverAReadOnlyFileSaysSoFirstAndAnyOtherFileIsReplacedOnlyAfterAsking)
{
    showActive();
    QtFileDialogs real;
    files.passTo = &real;
    const std::filesystem::path locked = game.scratch() / "locked.ini";
    const std::filesystem::path other = game.scratch() / "other.ini";
    test::writeFile(locked, "[Video]\r\ngamma=1\r\n");
    test::writeFile(other, "[Video]\r\ngamma=2\r\n");
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    std::vector<QString> said;
    const auto choose = [](const std::filesystem::path& file) {
        return Answer{false, [file](QWidget* dialog) {
                          typeAndAccept(qobject_cast<QFileDialog*>(dialog), QString::fromStdString(file.string()));
                      }};
    };
    const auto answer = [&said](QMessageBox::StandardButton button) {
        return Answer{true, [&said, button](QWidget* box) {
                          auto* message = qobject_cast<QMessageBox*>(box);
                          said.push_back(message->text());
                          if (QAbstractButton* pressed = message->button(button))
                              pressed->click();
                          else
                              message->reject(); // a box other than the one expected: said shows which
                      }};
    };
    answerInTurn({choose(locked), answer(QMessageBox::Ok), choose(other), answer(QMessageBox::No),
                  {false, [](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection); }}});
    main->findChild<QAction*>("CMFileSaveConfig")->trigger();
    ASSERT_EQ(said.size(), 2u);
    EXPECT_TRUE(said[0].contains("read-only")) << said[0].toStdString();
    EXPECT_TRUE(said[1].contains("already exists")) << said[1].toStdString();
    EXPECT_EQ(test::readFile(other), "[Video]\r\ngamma=2\r\n"); // "No": left as it was
    answerInTurn({choose(other), answer(QMessageBox::Yes)});
    main->findChild<QAction*>("CMFileSaveConfig")->trigger();
    files.passTo = nullptr;
    EXPECT_NE(test::readFile(other).find("[Gameplay]"), std::string::npos);
}

} // namespace
} // namespace orvane
