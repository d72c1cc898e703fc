#pragma once

#include <QAccessibleWidget>

class QLabel;

// A label whose text is there to be selected and copied (the finish page's port and rate),
// given to a screen reader as text it can read and move through, not only as a name.
class SelectableLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit SelectableLabelAccessible(QLabel* label);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

  private:
    QLabel* Label() const;
};
