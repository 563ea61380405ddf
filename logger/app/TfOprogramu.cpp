#include "logger/app/TfOprogramu.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace logger {

namespace {

constexpr int kLabelLeft = 9;
constexpr int kLabelWidth = 297;

QLabel* centredLabel(QWidget* parent, const char* name, int top, int height) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setGeometry(kLabelLeft, top, kLabelWidth, height);
    return label;
}

}  // namespace

QString programTitleText() {
#ifdef Q_OS_WIN
    return QCoreApplication::translate("logger::TfOprogramu", "Loopscribe for Windows®");
#else
    return QCoreApplication::translate("logger::TfOprogramu", "Loopscribe for Linux");
#endif
}

TfOprogramu::TfOprogramu(QWidget* mainWindow) : QDialog(mainWindow) {
    setObjectName(QStringLiteral("TfOprogramu"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowModality(Qt::WindowModal);
    setFixedSize(kClientWidth, kClientHeight);

    LProgram = centredLabel(this, "LProgram", 16, 28);
    QFont titleFont = LProgram->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() + 3);
    LProgram->setFont(titleFont);
    LVerze = centredLabel(this, "LVerze", 48, 20);
    LVyrobce = centredLabel(this, "LVyrobce", 72, 20);
    LWWW = centredLabel(this, "LWWW", 96, 20);
    LWWW->setTextInteractionFlags(Qt::TextSelectableByMouse);

    bbOK = new QPushButton(this);
    bbOK->setObjectName(QStringLiteral("bbOK"));
    bbOK->setGeometry((kClientWidth - 75) / 2, 136, 75, 25);
    bbOK->setDefault(true);
    bbOK->setAutoDefault(true);
    connect(bbOK, &QPushButton::clicked, this, &TfOprogramu::bbOKClick);
    retranslateUi();
}

void TfOprogramu::retranslateUi() {
    setWindowTitle(tr("About ..."));
    LProgram->setText(programTitleText());
    LVerze->setText(m_version.isEmpty() ? tr("Version") : tr("Version %1").arg(m_version));
    LVyrobce->setText(tr("Part of Halvane, the HART driver and tools"));
    LWWW->setText(tr("User guide: docs/loopscribe.md"));
    bbOK->setText(tr("OK"));
}

void TfOprogramu::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

void TfOprogramu::setVersion(const QString& version) {
    m_version = version;
    retranslateUi();
}

void TfOprogramu::FormShow() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    activateWindow();
}

void TfOprogramu::bbOKClick() {
    hide();
}

}  // namespace logger
