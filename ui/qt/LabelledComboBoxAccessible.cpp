#include "ui/qt/LabelledComboBoxAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

LabelledComboBoxAccessible::LabelledComboBoxAccessible(QComboBox* comboBox)
    : QAccessibleWidget(comboBox, QAccessible::ComboBox) {}

QComboBox* LabelledComboBoxAccessible::ComboBox() const {
    return static_cast<QComboBox*>(widget());
}

QString LabelledComboBoxAccessible::text(QAccessible::Text t) const {
    QComboBox* comboBox = ComboBox();
    if (t == QAccessible::Value) {
        return comboBox->isEditable() ? comboBox->lineEdit()->text() : comboBox->currentText();
    }
    // The accessible name if one was given, otherwise the buddy label's text without its
    // "&"; the entry only when neither is there.
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty()) {
        text = comboBox->currentText();
    }
    return text;
}

int LabelledComboBoxAccessible::childCount() const {
    return ComboBox()->isEditable() ? 2 : 1;
}

QAccessibleInterface* LabelledComboBoxAccessible::child(int index) const {
    QComboBox* comboBox = ComboBox();
    if (index == 0) {
        return QAccessible::queryAccessibleInterface(comboBox->view());
    }
    if (index == 1 && comboBox->isEditable()) {
        return QAccessible::queryAccessibleInterface(comboBox->lineEdit());
    }
    return nullptr;
}

int LabelledComboBoxAccessible::indexOfChild(const QAccessibleInterface* child) const {
    QComboBox* comboBox = ComboBox();
    if (child->object() == comboBox->view()) {
        return 0;
    }
    if (comboBox->isEditable() && child->object() == comboBox->lineEdit()) {
        return 1;
    }
    return -1;
}

QAccessibleInterface* LabelledComboBoxAccessible::focusChild() const {
    // An editable combo box's edit field has the keys, though the box has the focus.
    return ComboBox()->isEditable() ? child(1) : nullptr;
}

QStringList LabelledComboBoxAccessible::actionNames() const {
    return QStringList(showMenuAction()) + QAccessibleWidget::actionNames();
}

void LabelledComboBoxAccessible::doAction(const QString& actionName) {
    if (actionName == showMenuAction() || actionName == pressAction()) {
        QComboBox* comboBox = ComboBox();
        if (comboBox->view()->isVisible()) {
            comboBox->hidePopup();
        } else {
            comboBox->showPopup();
        }
        return;
    }
    QAccessibleWidget::doAction(actionName);
}
