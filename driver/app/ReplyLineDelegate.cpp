#include "driver/app/ReplyLineDelegate.h"

#include <QApplication>
#include <QPainter>

namespace driver {

namespace {

constexpr int kPadding = 4;

}  // namespace

ReplyLineDelegate::ReplyLineDelegate(int nameWidth, QObject* parent)
    : QStyledItemDelegate(parent), m_nameWidth(nameWidth) {}

void ReplyLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QString name = index.data(kNameRole).toString();
    const QString value = opt.text;
    opt.text.clear();
    const QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    const bool selected = opt.state & QStyle::State_Selected;
    const QRect row = opt.rect.adjusted(kPadding, 0, -kPadding, 0);
    const QRect nameRect(row.left(), row.top(), m_nameWidth - kPadding, row.height());
    const QRect valueRect = row.adjusted(m_nameWidth, 0, 0, 0);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;

    painter->save();
    painter->setFont(opt.font);
    painter->setPen(selected ? opt.palette.color(QPalette::HighlightedText)
                             : opt.palette.color(QPalette::PlaceholderText));
    painter->drawText(nameRect, flags,
                      opt.fontMetrics.elidedText(name, Qt::ElideRight, nameRect.width()));
    painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(valueRect, flags,
                      opt.fontMetrics.elidedText(value, Qt::ElideRight, valueRect.width()));
    painter->restore();
}

}  // namespace driver
