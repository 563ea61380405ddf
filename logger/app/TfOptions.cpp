#include "logger/app/TfOptions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "logger/app/ChartWindowTable.h"
#include "logger/app/UserDialogs.h"

namespace logger {

namespace {

constexpr const char* kQuantityCheckNames[kQuantityCount] = {
    "chbLogOutCur", "chbLogPriVar", "chbLogSecVar", "chbLogThiVar", "chbLogFouVar"};
constexpr const char* kQuantityListNames[kQuantityCount] = {"CBDOCurrent", "CBDOPV", "CBDOSV",
                                                            "CBDOTV", "CBDOFV"};

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A list of `count` entries, or of the given ones; retranslateUi names entries that are words.
QComboBox* fixedList(QWidget* parent, const char* name, int count, const QStringList& items = {}) {
    auto* list = named(new QComboBox(parent), name);
    list->setEditable(false);
    // Wide enough for its longest entry in the language shown, also after a change of language.
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list->addItems(items);
    while (list->count() < count)
        list->addItem(QString());
    return list;
}

// A label on the left of a row whose control it names (Alt + the underlined letter).
QLabel* rowLabel(QWidget* parent, const char* name) {
    auto* label = named(new QLabel(parent), name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

}  // namespace

QString logFileFolder(const QString& fileName) {
    qsizetype end = fileName.lastIndexOf(QLatin1Char('/'));
#ifdef Q_OS_WIN
    end = std::max(
        {end, fileName.lastIndexOf(QLatin1Char('\\')), fileName.lastIndexOf(QLatin1Char(':'))});
#endif
    return end < 0 ? QString() : fileName.left(end + 1);
}

TfOptions::TfOptions(MonitorSettings& settings, UserDialogs& dialogs,
                     std::function<bool()> monitorRunning, QWidget* mainWindow)
    : QDialog(mainWindow),
      m_settings(settings),
      m_dialogs(dialogs),
      m_monitorRunning(std::move(monitorRunning)),
      m_snapshot(settings) {
    setObjectName(QStringLiteral("TfOptions"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowModality(Qt::WindowModal);
    setFixedSize(kClientWidth, kClientHeight);
    build();
    retranslateUi();
}

void TfOptions::build() {
    GBParametryVypisu = named(new QGroupBox(this), "GBParametryVypisu");
    auto* grid = new QGridLayout(GBParametryVypisu);
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(12);
    int row = 0;

    // Reading mode.
    lReading = rowLabel(GBParametryVypisu, "lReading");
    auto* pReading = named(new QWidget(GBParametryVypisu), "pReading");
    rbReadingManual = named(new QRadioButton(pReading), "rbReadingManual");
    rbReadingAutomatic = named(new QRadioButton(pReading), "rbReadingAutomatic");
    rbReadingAutomatic->setChecked(true);
    auto* readingLayout = new QHBoxLayout(pReading);
    readingLayout->setContentsMargins(0, 0, 0, 0);
    readingLayout->addWidget(rbReadingManual);
    readingLayout->addWidget(rbReadingAutomatic);
    readingLayout->addStretch(1);
    grid->addWidget(lReading, row, 0);
    grid->addWidget(pReading, row++, 1);

    LInterval = rowLabel(GBParametryVypisu, "LInterval");
    EInterval = named(new QLineEdit(QStringLiteral("4"), GBParametryVypisu), "EInterval");
    EInterval->setMaxLength(5);
    EInterval->setFixedWidth(64);
    grid->addWidget(LInterval, row, 0);
    grid->addWidget(EInterval, row++, 1, Qt::AlignLeft);

    LMAdresaPrevodniku = rowLabel(GBParametryVypisu, "LMAdresaPrevodniku");
    QStringList addresses;
    for (int a = 0; a <= kHighestPollingAddress; ++a)
        addresses << QString::number(a);
    CBMAdresaPrevodniku =
        fixedList(GBParametryVypisu, "CBMAdresaPrevodniku", kHighestPollingAddress + 1, addresses);
    CBMAdresaPrevodniku->setMaxVisibleItems(16);
    CBMAdresaPrevodniku->setFixedWidth(64);
    grid->addWidget(LMAdresaPrevodniku, row, 0);
    grid->addWidget(CBMAdresaPrevodniku, row++, 1, Qt::AlignLeft);

    // The log file.
    auto* pFile = named(new QFrame(GBParametryVypisu), "pFile");
    pFile->setFrameShape(QFrame::StyledPanel);
    ChBZapisovatDoMSouboru = named(new QCheckBox(pFile), "ChBZapisovatDoMSouboru");
    RBPridatNaKonec = named(new QRadioButton(pFile), "RBPridatNaKonec");
    RBPrepsatSoubor = named(new QRadioButton(pFile), "RBPrepsatSoubor");
    RBPridatNaKonec->setChecked(true);
    FEJmenoMSouboru = named(new QLineEdit(pFile), "FEJmenoMSouboru");
    FEJmenoMSouboruButton = named(new QToolButton(pFile), "FEJmenoMSouboruButton");
    FEJmenoMSouboruButton->setText(QStringLiteral("..."));
    auto* fileLayout = new QGridLayout(pFile);
    fileLayout->addWidget(ChBZapisovatDoMSouboru, 0, 0);
    fileLayout->addWidget(RBPridatNaKonec, 0, 1);
    fileLayout->addWidget(RBPrepsatSoubor, 0, 2);
    auto* nameRow = new QHBoxLayout;
    nameRow->setSpacing(2);
    nameRow->addWidget(FEJmenoMSouboru, 1);
    nameRow->addWidget(FEJmenoMSouboruButton);
    fileLayout->addLayout(nameRow, 1, 0, 1, 3);
    grid->addWidget(pFile, row++, 0, 1, 2);

    LDatumCas = rowLabel(GBParametryVypisu, "LDatumCas");
    // The first entry is "none"; the formats are the same in every language.
    CBDatumCas5 = fixedList(GBParametryVypisu, "CBDatumCas5", kTimeStampFormatCount,
                            {QString(), QStringLiteral("hhmmss"), QStringLiteral("hh:mm:ss"),
                             QStringLiteral("mmddhhmmss"), QStringLiteral("dd.mm.yyyy hh:mm:ss"),
                             QStringLiteral("yyyy-mm-dd hh:mm:ss")});
    grid->addWidget(LDatumCas, row, 0);
    grid->addWidget(CBDatumCas5, row++, 1, Qt::AlignLeft);

    LChyba = rowLabel(GBParametryVypisu, "LChyba");
    CBChyba = fixedList(GBParametryVypisu, "CBChyba", 4);
    grid->addWidget(LChyba, row, 0);
    grid->addWidget(CBChyba, row++, 1, Qt::AlignLeft);

    LDesetinnyOddelovac = rowLabel(GBParametryVypisu, "LDesetinnyOddelovac");
    CBDesetinnyOddelovac = fixedList(GBParametryVypisu, "CBDesetinnyOddelovac", 3);
    grid->addWidget(LDesetinnyOddelovac, row, 0);
    grid->addWidget(CBDesetinnyOddelovac, row++, 1, Qt::AlignLeft);

    LPocetMist = rowLabel(GBParametryVypisu, "LPocetMist");
    QFont heading = LPocetMist->font();
    heading.setBold(true);
    LPocetMist->setFont(heading);
    grid->addWidget(LPocetMist, row++, 0, 1, 2);
    // 0 .. 6 decimals, then "auto".
    const QStringList decimals{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                               QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
                               QStringLiteral("6")};
    for (int q = 0; q < kQuantityCount; ++q) {
        chbLog[q] = named(new QCheckBox(GBParametryVypisu), kQuantityCheckNames[q]);
        CBDO[q] = fixedList(GBParametryVypisu, kQuantityListNames[q], 8, decimals);
        CBDO[q]->setFixedWidth(64);
        grid->addWidget(chbLog[q], row, 0);
        grid->addWidget(CBDO[q], row++, 1, Qt::AlignLeft);
    }
    grid->setRowStretch(row, 1);

    bbOK = named(new QPushButton(this), "bbOK");
    bbOK->setDefault(true);
    bbCancel = named(new QPushButton(this), "bbCancel");
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(bbOK);
    buttons->addWidget(bbCancel);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(GBParametryVypisu, 1);
    layout->addLayout(buttons);

    connect(rbReadingManual, &QRadioButton::toggled, this, &TfOptions::HartReading);
    connect(rbReadingAutomatic, &QRadioButton::toggled, this, &TfOptions::HartReading);
    connect(ChBZapisovatDoMSouboru, &QCheckBox::toggled, this,
            &TfOptions::ChBZapisovatDoMSouboruClick);
    connect(EInterval, &QLineEdit::textChanged, this, &TfOptions::EIntervalChange);
    connect(FEJmenoMSouboruButton, &QToolButton::clicked, this,
            &TfOptions::FEJmenoMSouboruButtonClick);
    connect(bbOK, &QPushButton::clicked, this, &TfOptions::bbOKClick);
    connect(bbCancel, &QPushButton::clicked, this, &TfOptions::bbCancelClick);
}

void TfOptions::retranslateUi() {
    setWindowTitle(tr("Monitor Settings"));
    lReading->setText(tr("Reading:"));
    rbReadingManual->setText(tr("Manual"));
    rbReadingAutomatic->setText(tr("Automatic"));
    LInterval->setText(tr("Interval [s]:"));
    LMAdresaPrevodniku->setText(tr("Multidrop max. address:"));
    ChBZapisovatDoMSouboru->setText(tr("Save record to file"));
    RBPridatNaKonec->setText(tr("Append file"));
    RBPrepsatSoubor->setText(tr("Rewrite file"));
    FEJmenoMSouboruButton->setToolTip(tr("Save monitored LOG as ..."));
    LDatumCas->setText(tr("Date/Time"));
    CBDatumCas5->setItemText(0, tr("none", "no time stamp"));
    LChyba->setText(tr("Error"));
    const QString levels[] = {tr("No Warn"), tr("Timeout Only"), tr("Status Only"),
                              tr("All Errors")};
    for (int i = 0; i < 4; ++i)
        CBChyba->setItemText(i, levels[i]);
    LDesetinnyOddelovac->setText(tr("Decimal Separator"));
    const QString separators[] = {tr("Point"), tr("Comma"), tr("By System")};
    for (int i = 0; i < 3; ++i)
        CBDesetinnyOddelovac->setItemText(i, separators[i]);
    LPocetMist->setText(tr("Number of decimal places"));
    for (int q = 0; q < kQuantityCount; ++q) {
        chbLog[q]->setText(chartCaption(q));
        CBDO[q]->setItemText(7, tr("auto", "decimal places"));
    }
    bbOK->setText(tr("OK"));
    bbCancel->setText(tr("Cancel"));
}

void TfOptions::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

void TfOptions::applySettings() {
    fillControls(m_settings);
    readControls(m_settings);
}

void TfOptions::fillControls(const MonitorSettings& s) {
    (s.reading == ReadingMode::Manual ? rbReadingManual : rbReadingAutomatic)->setChecked(true);
    EInterval->setText(QString::fromStdString(s.interval));
    CBMAdresaPrevodniku->setCurrentIndex(s.highestAddress);
    ChBZapisovatDoMSouboru->setChecked(s.writeToFile);
    (s.logFileMode == LogFileMode::Rewrite ? RBPrepsatSoubor : RBPridatNaKonec)->setChecked(true);
    FEJmenoMSouboru->setText(QString::fromStdString(s.logFile.string()));
    CBDatumCas5->setCurrentIndex(s.timeStampFormat);
    CBChyba->setCurrentIndex(static_cast<int>(s.errorLevel));
    CBDesetinnyOddelovac->setCurrentIndex(static_cast<int>(s.separator));
    for (int q = 0; q < kQuantityCount; ++q) {
        chbLog[q]->setChecked(s.logQuantity[q]);
        CBDO[q]->setCurrentIndex(s.decimals[q]);
    }
    // Setting a radio button or the check box in code does not always toggle it.
    HartReading();
    ChBZapisovatDoMSouboruClick();
}

void TfOptions::readControls(MonitorSettings& s) const {
    s.reading = rbReadingManual->isChecked() ? ReadingMode::Manual : ReadingMode::Automatic;
    s.interval = EInterval->text().toStdString();
    s.highestAddress = CBMAdresaPrevodniku->currentIndex();
    s.writeToFile = ChBZapisovatDoMSouboru->isChecked();
    s.logFileMode = RBPrepsatSoubor->isChecked() ? LogFileMode::Rewrite : LogFileMode::Append;
    s.logFile = FEJmenoMSouboru->text().toStdString();
    s.timeStampFormat = CBDatumCas5->currentIndex();
    s.errorLevel = static_cast<ErrorLevel>(CBChyba->currentIndex());
    s.separator = static_cast<SeparatorKind>(CBDesetinnyOddelovac->currentIndex());
    for (int q = 0; q < kQuantityCount; ++q) {
        s.logQuantity[q] = chbLog[q]->isChecked();
        s.decimals[q] = CBDO[q]->currentIndex();
    }
}

void TfOptions::PovoleniEditace(bool enable) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             GBParametryVypisu, lReading, rbReadingManual, rbReadingAutomatic, LMAdresaPrevodniku,
             CBMAdresaPrevodniku, ChBZapisovatDoMSouboru, LDatumCas, CBDatumCas5, LChyba, CBChyba,
             LDesetinnyOddelovac, CBDesetinnyOddelovac, LPocetMist, bbOK})
        control->setEnabled(enable);
    for (int q = 0; q < kQuantityCount; ++q) {
        chbLog[q]->setEnabled(enable);
        CBDO[q]->setEnabled(enable);
    }
    const bool interval = enable && rbReadingAutomatic->isChecked();
    LInterval->setEnabled(interval);
    EInterval->setEnabled(interval);
    const bool file = enable && ChBZapisovatDoMSouboru->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{RBPridatNaKonec, RBPrepsatSoubor,
                                                            FEJmenoMSouboru, FEJmenoMSouboruButton})
        control->setEnabled(file);
    bbCancel->setEnabled(true);
}

void TfOptions::HartReading() {
    const bool automatic = rbReadingAutomatic->isChecked();
    LInterval->setEnabled(automatic);
    EInterval->setEnabled(automatic);
}

void TfOptions::ChBZapisovatDoMSouboruClick() {
    const bool file = ChBZapisovatDoMSouboru->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{RBPridatNaKonec, RBPrepsatSoubor,
                                                            FEJmenoMSouboru, FEJmenoMSouboruButton})
        control->setEnabled(file);
}

void TfOptions::FormShow() {
    RestoreOnClose = true;
    show();
    raise();
    activateWindow();
    if (m_monitorRunning && m_monitorRunning()) {
        PovoleniEditace(false);
        m_dialogs.show(MessageKind::Information,
                       tr("Parameters cannot be changed while monitor is running!"),
                       MessageButtons::Ok);
    } else {
        PovoleniEditace(true);
    }
    readControls(m_snapshot);
}

void TfOptions::bbOKClick() {
    if (ChBZapisovatDoMSouboru->isChecked()) {
        const QString folder = logFileFolder(FEJmenoMSouboru->text());
        if (folder.isEmpty() || !QDir(folder).exists()) {
            m_dialogs.show(MessageKind::Warning, tr("Cannot create directory for LOG file!"),
                           MessageButtons::Ok);
            if (FEJmenoMSouboru->isEnabled()) FEJmenoMSouboru->setFocus();
            return;
        }
    }
    RestoreOnClose = false;
    accept();
}

void TfOptions::bbCancelClick() {
    reject();
}

void TfOptions::done(int result) {
    // Every way of closing: OK (edits kept), Cancel, Escape and the title bar (edits undone).
    if (RestoreOnClose) {
        fillControls(m_snapshot);
    } else {
        readControls(m_settings);
    }
    RestoreOnClose = false;
    QDialog::done(result);
}

void TfOptions::EIntervalChange() {
    if (isValidIntervalText(EInterval->text().toStdString())) return;
    m_dialogs.show(MessageKind::Information, tr("Min value is 2 sec!"), MessageButtons::Ok);
    EInterval->setText(QStringLiteral("2"));
    if (EInterval->isEnabled() && EInterval->isVisible()) EInterval->setFocus();
}

void TfOptions::FEJmenoMSouboruButtonClick() {
    const QString present = FEJmenoMSouboru->text();
    const std::optional<QString> chosen =
        m_dialogs.saveFileName({tr("Save monitored LOG as ..."), logFileFolder(present), present,
                                tr("Logs (*.log);;All Files (*)"), QStringLiteral("log")});
    if (chosen) FEJmenoMSouboru->setText(*chosen);
}

}  // namespace logger
