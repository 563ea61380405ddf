#pragma once

// The "Monitor Settings" dialog. Its controls edit the program's monitor settings: they are
// filled from them at start-up and written back when the dialog is left with OK; Cancel, Escape
// and the title bar put every control back as it was when the dialog was shown. While it is
// open the main window takes no input, and while the monitor runs nothing can be changed.

#include <QDialog>
#include <array>
#include <functional>

#include "logger/core/MonitorSettings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace logger {

class UserDialogs;

class TfOptions final : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kClientWidth = 549;
    static constexpr int kClientHeight = 457;

    // `settings` is the working copy the monitor reads; `monitorRunning` tells whether the
    // monitor runs (the main window's Stop button is enabled).
    TfOptions(MonitorSettings& settings, UserDialogs& dialogs, std::function<bool()> monitorRunning,
              QWidget* mainWindow);

    // Start-up: the settings into the controls (the interval check corrects a stored interval
    // below 2 s here, with its message), which controls are enabled, and the corrected values
    // back into the settings.
    void applySettings();

    // Which controls can be used: all editing controls and OK as `enable` says; the interval
    // only in automatic reading, the log file's mode and name only with "Save record to file".
    void PovoleniEditace(bool enable);
    void HartReading();
    void ChBZapisovatDoMSouboruClick();

    // Shows the dialog: editing disabled (after the message) while the monitor runs, and the
    // snapshot that Cancel goes back to.
    void FormShow();
    void bbOKClick();
    void bbCancelClick();
    void EIntervalChange();
    void FEJmenoMSouboruButtonClick();

    QGroupBox* GBParametryVypisu = nullptr;
    QLabel* lReading = nullptr;
    QRadioButton* rbReadingManual = nullptr;
    QRadioButton* rbReadingAutomatic = nullptr;
    QLabel* LInterval = nullptr;
    QLineEdit* EInterval = nullptr;
    QLabel* LMAdresaPrevodniku = nullptr;
    QComboBox* CBMAdresaPrevodniku = nullptr;
    QCheckBox* ChBZapisovatDoMSouboru = nullptr;
    QRadioButton* RBPridatNaKonec = nullptr;
    QRadioButton* RBPrepsatSoubor = nullptr;
    QLineEdit* FEJmenoMSouboru = nullptr;
    QToolButton* FEJmenoMSouboruButton = nullptr;
    QLabel* LDatumCas = nullptr;
    QComboBox* CBDatumCas5 = nullptr;
    QLabel* LChyba = nullptr;
    QComboBox* CBChyba = nullptr;
    QLabel* LDesetinnyOddelovac = nullptr;
    QComboBox* CBDesetinnyOddelovac = nullptr;
    QLabel* LPocetMist = nullptr;
    // Loop current, PV, SV, TV, FV: chbLogOutCur .. chbLogFouVar, CBDOCurrent .. CBDOFV.
    std::array<QCheckBox*, kQuantityCount> chbLog{};
    std::array<QComboBox*, kQuantityCount> CBDO{};
    QPushButton* bbOK = nullptr;
    QPushButton* bbCancel = nullptr;

  public:
    void done(int result) override;
    void changeEvent(QEvent* event) override;

  private:
    void build();
    // The captions, hints and list entries in the user-interface language.
    void retranslateUi();
    // The controls' values into `settings` (only what the dialog holds).
    void readControls(MonitorSettings& settings) const;
    void fillControls(const MonitorSettings& settings);

    MonitorSettings& m_settings;
    UserDialogs& m_dialogs;
    std::function<bool()> m_monitorRunning;
    bool RestoreOnClose = false;
    MonitorSettings m_snapshot;
};

// The folder part of a log file's name: everything up to and including the last folder
// separator (or a drive's colon on Windows); empty for a bare name.
QString logFileFolder(const QString& fileName);

}  // namespace logger
