#pragma once
#include <QStyledItemDelegate>

// Draws each entry of the port list with its device and description beside its name
// ("COM1    /dev/ttyUSB0  FTDI FT232R USB UART"), so that with several adapters the user
// sees which is which without choosing each. The entry's text stays the name alone, which
// is what the edit field shows and the settings take.
class PortEntryDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    // The role that holds an entry's detail.
    static constexpr int kDetailRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
