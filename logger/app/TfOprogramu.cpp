#include "logger/app/TfOprogramu.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace logger {

namespace {

constexpr int kLabelLeft = 9;
constexpr int kLabelWidth = 297;

QLabel* centredLabel(QWidget* parent, const char* name, const QString& text, int top, int height) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setGeometry(kLabelLeft, top, kLabelWidth, height);
    return label;
}

}  // namespace

QString programTitleText() {
#ifdef Q_OS_WIN
    return QStringLiteral("Loopscribe for Windows\u00ae");
#else
    return QStringLiteral("Loopscribe for Linux");
#endif
}

TfOprogramu::TfOprogramu(QWidget* mainWindow) : QDialog(mainWindow) {
    setObjectName(QStringLiteral("TfOprogramu"));
    setWindowTitle(QStringLiteral("About ..."));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowModality(Qt::WindowModal);
    setFixedSize(kClientWidth, kClientHeight);

    LProgram = centredLabel(this, "LProgram", programTitleText(), 16, 28);
    QFont titleFont = LProgram->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() + 3);
    LProgram->setFont(titleFont);
    LVerze = centredLabel(this, "LVerze", QStringLiteral("Version"), 48, 20);
    LVyrobce = centredLabel(this, "LVyrobce",
                            QStringLiteral("Part of Halvane, the HART driver and tools"), 72, 20);
    LWWW = centredLabel(this, "LWWW", QStringLiteral("User guide: docs/loopscribe.md"), 96, 20);
    LWWW->setTextInteractionFlags(Qt::TextSelectableByMouse);

    bbOK = new QPushButton(QStringLiteral("OK"), this);
    bbOK->setObjectName(QStringLiteral("bbOK"));
    bbOK->setGeometry((kClientWidth - 75) / 2, 136, 75, 25);
    bbOK->setDefault(true);
    bbOK->setAutoDefault(true);
    connect(bbOK, &QPushButton::clicked, this, &TfOprogramu::bbOKClick);
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
