#pragma once

#include <QAccessibleWidget>

class QComboBox;

// What a screen reader is told about a combo box: named after the label that is its buddy
// ("Baud Rate:"), its entry as its value. Qt's own names a combo box after its entry on
// Linux, so the baud rate box was read as "1200".
class LabelledComboBoxAccessible : public QAccessibleWidget {
  public:
    explicit LabelledComboBoxAccessible(QComboBox* comboBox);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

  private:
    QComboBox* ComboBox() const;
};
