#pragma once
#include "language/Texts.h"

#include <QTranslator>

namespace orvane {

// Qt's own texts (the buttons of message boxes and file dialogs, an edit
// field's menu) in the language of Orvane's, from the translations Qt
// installs; English where there are none. Installed while it lives.
class QtOwnTexts {
public:
    explicit QtOwnTexts(const Texts& texts);

private:
    QTranslator translator_;
};

} // namespace orvane
