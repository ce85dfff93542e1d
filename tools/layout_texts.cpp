// Prints every text of every window's layout as entries of a gettext
// template, each with the control it belongs to for the translator:
// po/update-template.sh joins them to the texts the code looks up.
#include "app/MainWindow.h"
#include "controls/TranslatedLayout.h"
#include "dialogs/AboutBox.h"
#include "dialogs/AccountNameDialog.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/PrefixChooser.h"
#include "dialogs/ProfileRenameDialog.h"
#include "dialogs/RestoreDialog.h"

#include <iostream>
#include <set>

namespace {

std::string quoted(const std::string& text)
{
    std::string result = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            result += '\\';
        result += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return result + "\"";
}

} // namespace

int main()
{
    using namespace orvane;
    std::cout << "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n";
    std::set<std::string> listed;
    for (const WindowLayout* layout :
         {&mainWindowLayout(), &optionsDialogLayout(), &accountNameDialogLayout(), &profileRenameDialogLayout(),
          &folderChooserLayout(), &restoreDialogLayout(), &aboutBoxLayout(), &prefixChooserLayout()})
        for (const LayoutText& text : translatableTexts(*layout))
            if (listed.insert(text.text).second)
                std::cout << "#. " << layout->name << ": " << text.control << "\nmsgid " << quoted(text.text)
                          << "\nmsgstr \"\"\n\n";
    return 0;
}
