#include "driver/app/PortListInfo.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTreeView>

#include "serial/UdevSource.h"
#include "serial/qt/DeviceChangeNotifier.h"

namespace driver {

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// The port number of a list entry "COMn"; 0 for "none".
int entryNumber(const QComboBox* list, int row) {
    const QString entry = list->itemText(row);
    return entry.startsWith(QLatin1String("COM")) ? entry.mid(3).toInt() : 0;
}

}  // namespace

PortListInfo::PortListInfo(QComboBox* list, const std::filesystem::path& settingsFile,
                           const serial::DeviceRoots& roots,
                           std::shared_ptr<serial::UdevSource> source)
    : QObject(list), m_list(list) {
    m_lister.setPortNameResolver(std::make_shared<serial::PortNameResolver>(settingsFile, roots));
    m_lister.setEnumPorts(serial::epFullInfo);
    if (!source) source = serial::systemUdevSource();
    m_lister.setDeviceSource(source);
    m_lister.NotifyAdd(this, [this](serial::TscBaseIO&, int code) {
        if (code != serial::kNotifyChanged) return;
        m_ports = serial::ListPorts(m_lister);
        show();
    });
    if (source) {
        m_notifier = std::make_unique<serial::DeviceChangeNotifier>(source->monitor());
        connect(m_notifier.get(), &serial::DeviceChangeNotifier::deviceChanged, this,
                &PortListInfo::deviceChanged);
    }

    // The drop-down shows two columns: the entry and what it is. The box shows the entry.
    auto* view = new QTreeView;
    view->setHeaderHidden(true);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setItemsExpandable(false);
    view->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->header()->setStretchLastSection(true);
    m_list->setView(view);
    connect(m_list, &QComboBox::currentIndexChanged, this, &PortListInfo::showCurrentTip);
    refresh();
}

PortListInfo::~PortListInfo() {
    m_lister.NotifyDelete(this);
}

void PortListInfo::refresh() {
    m_lister.Update();  // reloads; the subscriber shows the list
}

void PortListInfo::deviceChanged(quint32 event, quint32 deviceType) {
    if (m_lister.WMDeviceChange(event, deviceType)) emit devicesChanged();
}

std::optional<serial::PortListing> PortListInfo::port(int number) const {
    for (const serial::PortListing& p : m_ports) {
        if (p.number == number) return p;
    }
    return std::nullopt;
}

QString PortListInfo::describe(int number) const {
    const QString name = QStringLiteral("COM%1").arg(number);
    const auto p = port(number);
    return p ? name + QStringLiteral(" — ") + text(serial::PortSummary(*p))
             : name + QStringLiteral(" — ") + tr("no device");
}

bool PortListInfo::event(QEvent* event) {
    // The window passes its language change on to its children.
    if (event->type() == QEvent::LanguageChange) show();
    return QObject::event(event);
}

void PortListInfo::show() {
    auto* model = qobject_cast<QStandardItemModel*>(m_list->model());
    if (!model) return;
    model->setColumnCount(2);
    for (int row = 0; row < model->rowCount(); ++row) {
        const int number = entryNumber(m_list, row);
        const auto p = number > 0 ? port(number) : std::nullopt;
        const QString what = p ? text(serial::PortSummary(*p)) : QString();
        QStandardItem* second = model->item(row, 1);
        if (!second) {
            second = new QStandardItem;
            second->setEditable(false);
            model->setItem(row, 1, second);
        }
        second->setText(what);
        const QString tip = number > 0 ? describe(number) : QString();
        model->item(row, 0)->setToolTip(tip);
        second->setToolTip(tip);
    }
    auto* view = qobject_cast<QTreeView*>(m_list->view());
    if (view) {
        view->resizeColumnToContents(0);
        view->resizeColumnToContents(1);
        const int wanted = view->columnWidth(0) + view->columnWidth(1) + 24;
        view->setMinimumWidth(std::max(wanted, m_list->width()));
    }
    showCurrentTip();
}

void PortListInfo::showCurrentTip() {
    const int current = entryNumber(m_list, m_list->currentIndex());
    m_list->setToolTip(current > 0 ? describe(current) : QString());
}

}  // namespace driver
