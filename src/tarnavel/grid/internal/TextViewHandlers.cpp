// The text-view cells' delegate methods: editing about to begin and end, begun and ended, text and
// selection changed.
#include "tarnavel/grid/internal/CellWriteBack.h"

namespace tarnavel {

bool UIDataGrid::textViewShouldBeginEditing(UITextView& textView) {
  const CarriedPosition at = carriedPosition(textView);
  bool allowed = true;
  // A delegate that raises leaves the answer at yes.
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    allowed = delegate.datagridTextViewColumnCellEditingAboutBegin(*this, at.row, at.column, textView);
  });
  return allowed;
}

void UIDataGrid::textViewDidBeginEditing(UITextView& textView) {
  const CarriedPosition at = carriedPosition(textView);
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridTextViewColumnCellEditingBegin(*this, at.row, at.column, textView);
  });
}

void UIDataGrid::textViewDidChange(UITextView& textView) {
  const CarriedPosition at = carriedPosition(textView);
  writeBackField(*this, at, Value(textView.text));
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridTextViewColumnCellEditingChanged(*this, at.row, at.column, textView);
  });
}

void UIDataGrid::textViewDidChangeSelection(UITextView& textView) {
  const CarriedPosition at = carriedPosition(textView);
  writeBackField(*this, at, Value(textView.text));
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridTextViewColumnCellEditingSelectionChanged(*this, at.row, at.column, textView);
  });
}

bool UIDataGrid::textViewShouldEndEditing(UITextView& textView) {
  const CarriedPosition at = carriedPosition(textView);
  bool allowed = true;
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    allowed = delegate.datagridTextViewColumnCellEditingAboutEnd(*this, at.row, at.column, textView);
  });
  return allowed;
}

void UIDataGrid::textViewDidEndEditing(UITextView& textView) {
  const CarriedPosition at = carriedPosition(textView);
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridTextViewColumnCellEditingEnd(*this, at.row, at.column, textView);
  });
}

}  // namespace tarnavel
