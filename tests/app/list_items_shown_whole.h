#pragma once
// Every item of every list in a window shows whole beside the drop-down
// arrow, measured in the list's own font.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWidget>

// The style draws a list's text one pixel in from each side of its field.
constexpr int ListTextInset = 1;

inline void ExpectListItemsShownWhole(const QWidget* window) {
  for (const QComboBox* list : window->findChildren<const QComboBox*>()) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    for (int i = 0; i < list->count(); ++i) {
      EXPECT_GE(field.width() - 2 * ListTextInset, list->fontMetrics().horizontalAdvance(list->itemText(i)))
          << list->objectName().toStdString() << ": " << list->itemText(i).toStdString();
    }
  }
}
