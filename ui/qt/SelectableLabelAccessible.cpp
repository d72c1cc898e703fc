#include "ui/qt/SelectableLabelAccessible.h"

#include <QLabel>

SelectableLabelAccessible::SelectableLabelAccessible(QLabel* label)
    : QAccessibleWidget(label, QAccessible::StaticText) {}

QLabel* SelectableLabelAccessible::Label() const {
    return static_cast<QLabel*>(widget());
}

void* SelectableLabelAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString SelectableLabelAccessible::text(QAccessible::Text t) const {
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty()) {
        text = Label()->text();
    }
    return text;
}

void SelectableLabelAccessible::selection(int selectionIndex, int* startOffset,
                                          int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && Label()->hasSelectedText()) {
        *startOffset = Label()->selectionStart();
        *endOffset = *startOffset + static_cast<int>(Label()->selectedText().size());
    }
}

int SelectableLabelAccessible::selectionCount() const {
    return Label()->hasSelectedText() ? 1 : 0;
}

void SelectableLabelAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void SelectableLabelAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) {
        Label()->setSelection(0, 0);
    }
}

void SelectableLabelAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) {
        Label()->setSelection(startOffset, endOffset - startOffset);
    }
}

int SelectableLabelAccessible::cursorPosition() const {
    // A label keeps no caret of its own that can be read; the selection's start stands in.
    return Label()->hasSelectedText() ? Label()->selectionStart() : 0;
}

void SelectableLabelAccessible::setCursorPosition(int position) {
    Label()->setSelection(position, 0);
}

QString SelectableLabelAccessible::text(int startOffset, int endOffset) const {
    return Label()->text().mid(startOffset, endOffset - startOffset);
}

int SelectableLabelAccessible::characterCount() const {
    return static_cast<int>(Label()->text().size());
}

QRect SelectableLabelAccessible::characterRect(int /*offset*/) const {
    return {};
}

int SelectableLabelAccessible::offsetAtPoint(const QPoint& /*point*/) const {
    return -1;
}

void SelectableLabelAccessible::scrollToSubstring(int /*startIndex*/, int /*endIndex*/) {}

QString SelectableLabelAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    (void)offset;
    return {};
}
