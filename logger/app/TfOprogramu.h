#pragma once

// The about box: the program's name, version, maker's notice and where its user guide is. Shown
// without modality of its own, but while it is open the main window takes no input; closing it
// by OK, Enter, Escape or the title bar only hides it.

#include <QDialog>

class QLabel;
class QPushButton;

namespace logger {

class TfOprogramu final : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kClientWidth = 315;
    static constexpr int kClientHeight = 174;

    // The box stays above `mainWindow` and blocks its input while open.
    explicit TfOprogramu(QWidget* mainWindow);

    // Shows the box centred on the screen.
    void FormShow();
    void bbOKClick();
    // The version label: "Version" and the program's version.
    void setVersion(const QString& version);

    QLabel* LProgram = nullptr;
    QLabel* LVerze = nullptr;
    QLabel* LVyrobce = nullptr;
    QLabel* LWWW = nullptr;
    QPushButton* bbOK = nullptr;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void retranslateUi();

    QString m_version;
};

// "Loopscribe for" and the system it runs on, in the user-interface language.
QString programTitleText();

}  // namespace logger
