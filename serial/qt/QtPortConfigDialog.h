#pragma once

// The port configuration dialog of the Qt programs: bits per second, data bits, parity, stop
// bits and flow control of one port. Only combinations a serial port can take are offered (1.5
// stop bits with 5 data bits only, 2 stop bits not with 5).
//
//   comm.setConfigDialog(serial::QtPortConfigDialog());   // then comm.ConfigDialog()

#include <QDialog>

#include "serial/PortConfigDialog.h"

class QComboBox;
class QDialogButtonBox;

namespace serial {

class PortConfigDialogWindow final : public QDialog {
    Q_OBJECT
  public:
    PortConfigDialogWindow(const QString& portName, const PortLineSettings& present,
                           QWidget* parent = nullptr);

    // What the dialog shows now (nothing while the bits per second are not a number above 0).
    std::optional<PortLineSettings> settings() const;
    void setSettings(const PortLineSettings& settings);

    // The controls, for tests.
    QComboBox* baudRateBox() const { return m_baud; }
    QComboBox* dataBitsBox() const { return m_dataBits; }
    QComboBox* parityBox() const { return m_parity; }
    QComboBox* stopBitsBox() const { return m_stopBits; }
    QComboBox* flowControlBox() const { return m_flow; }

  private:
    void offerStopBits();
    void checkInput();

    QComboBox* m_baud;
    QComboBox* m_dataBits;
    QComboBox* m_parity;
    QComboBox* m_stopBits;
    QComboBox* m_flow;
    QDialogButtonBox* m_buttons;
};

// The dialog as the component's seam: shown modally, owned by the active window.
TPortConfigDialog QtPortConfigDialog();

}  // namespace serial
