#pragma once
#include <QApplication>

namespace orvane {

// Every event is handled as one registry command, and an error that an
// event handler raises ends up in the default error box, not in Qt.
class OrvaneApplication : public QApplication {
public:
    OrvaneApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace orvane
