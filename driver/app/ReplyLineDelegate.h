#pragma once

// Draws a line of the window's reply list with the name of its field in a column of its own,
// left of the line. The item's text stays the line as the driver serves it to clients; the name
// is the item's kNameRole data.

#include <QStyledItemDelegate>

namespace driver {

class ReplyLineDelegate final : public QStyledItemDelegate {
  public:
    static constexpr int kNameRole = Qt::UserRole + 1;

    // nameWidth: the width of the name column in pixels.
    ReplyLineDelegate(int nameWidth, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    int m_nameWidth;
};

}  // namespace driver
