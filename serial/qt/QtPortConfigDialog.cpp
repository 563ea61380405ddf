#include "serial/qt/QtPortConfigDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace serial {

namespace {

constexpr std::uint32_t kBaudRates[] = {110,   300,   600,   1200,   2400,   4800,   9600,  14400,
                                        19200, 38400, 57600, 115200, 230400, 460800, 921600};

// The defaults a port is restored to: 9600 baud, 8 data bits, no parity, 1 stop bit, no flow
// control.
constexpr PortLineSettings kDefaults{9600, 8, pNone, sbOne, spNone};

void selectData(QComboBox* box, int value) {
    const int index = box->findData(value);
    if (index >= 0) box->setCurrentIndex(index);
}

}  // namespace

PortConfigDialogWindow::PortConfigDialogWindow(const QString& portName,
                                               const PortLineSettings& present, QWidget* parent)
    : QDialog(parent),
      m_baud(new QComboBox(this)),
      m_dataBits(new QComboBox(this)),
      m_parity(new QComboBox(this)),
      m_stopBits(new QComboBox(this)),
      m_flow(new QComboBox(this)),
      m_buttons(new QDialogButtonBox(
          QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults,
          this)) {
    setWindowTitle(tr("%1 Port Settings").arg(portName));

    m_baud->setEditable(true);
    m_baud->setValidator(new QIntValidator(1, 0x7FFFFFFF, m_baud));
    for (std::uint32_t rate : kBaudRates)
        m_baud->addItem(QString::number(rate));
    for (int bits = 5; bits <= 8; ++bits)
        m_dataBits->addItem(QString::number(bits), bits);
    m_parity->addItem(tr("None"), pNone);
    m_parity->addItem(tr("Odd"), pOdd);
    m_parity->addItem(tr("Even"), pEven);
    m_parity->addItem(tr("Mark"), pMark);
    m_parity->addItem(tr("Space"), pSpace);
    m_flow->addItem(tr("None"), spNone);
    m_flow->addItem(tr("XON/XOFF"), spXonXoff);
    m_flow->addItem(tr("Hardware (RTS/CTS)"), spHardware);

    auto* form = new QFormLayout;
    form->addRow(tr("&Bits per second:"), m_baud);
    form->addRow(tr("&Data bits:"), m_dataBits);
    form->addRow(tr("&Parity:"), m_parity);
    form->addRow(tr("&Stop bits:"), m_stopBits);
    form->addRow(tr("&Flow control:"), m_flow);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_buttons);

    connect(m_dataBits, &QComboBox::currentIndexChanged, this,
            &PortConfigDialogWindow::offerStopBits);
    connect(m_baud, &QComboBox::editTextChanged, this, &PortConfigDialogWindow::checkInput);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_buttons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this,
            [this] { setSettings(kDefaults); });
    setSettings(present);
}

void PortConfigDialogWindow::offerStopBits() {
    const QVariant chosen = m_stopBits->currentData();
    const bool fiveBits = m_dataBits->currentData().toInt() == 5;
    m_stopBits->clear();
    m_stopBits->addItem(QStringLiteral("1"), sbOne);
    if (fiveBits) {
        m_stopBits->addItem(QStringLiteral("1.5"), sbOneAndHalf);
    } else {
        m_stopBits->addItem(QStringLiteral("2"), sbTwo);
    }
    if (chosen.isValid()) selectData(m_stopBits, chosen.toInt());
}

void PortConfigDialogWindow::checkInput() {
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(settings().has_value());
}

std::optional<PortLineSettings> PortConfigDialogWindow::settings() const {
    bool ok = false;
    const qlonglong baud = m_baud->currentText().toLongLong(&ok);
    if (!ok || baud <= 0 || baud > 0x7FFFFFFF) return std::nullopt;
    PortLineSettings s;
    s.baudRate = static_cast<std::uint32_t>(baud);
    s.byteSize = static_cast<std::uint8_t>(m_dataBits->currentData().toInt());
    s.parity = static_cast<TParity>(m_parity->currentData().toInt());
    s.stopBits = static_cast<TStopBits>(m_stopBits->currentData().toInt());
    s.flowControl = static_cast<TStreamProtocol>(m_flow->currentData().toInt());
    return s;
}

void PortConfigDialogWindow::setSettings(const PortLineSettings& settings) {
    m_baud->setEditText(QString::number(settings.baudRate));
    selectData(m_dataBits, settings.byteSize);
    offerStopBits();
    selectData(m_stopBits, settings.stopBits);
    selectData(m_parity, settings.parity);
    selectData(m_flow, settings.flowControl);
    checkInput();
}

TPortConfigDialog QtPortConfigDialog() {
    return [](const std::string& portName,
              const PortLineSettings& present) -> std::optional<PortLineSettings> {
        PortConfigDialogWindow dialog(QString::fromStdString(portName), present,
                                      QApplication::activeWindow());
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.settings();
    };
}

}  // namespace serial
