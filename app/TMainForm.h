#pragma once
#include <QMainWindow>

#include <array>

class QLabel;
class QPushButton;

namespace orvane {

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);

    void LoadRegData();
    void Shutdown();

public slots:
    void CMFileCloseClick();
    void ShtdwnClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void buildStatusBar();

    std::array<QLabel*, 3> panels_{};
    QPushButton* Shtdwn = nullptr;
    bool shutDown_ = false;
};

} // namespace orvane
