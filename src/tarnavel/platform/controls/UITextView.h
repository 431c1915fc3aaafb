#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "tarnavel/platform/controls/UITextInputTraits.h"
#include "tarnavel/platform/render/CGContext.h"
#include "tarnavel/platform/views/UIScrollView.h"

namespace tarnavel {

class UITextView;

/// The text view's callbacks; as a scroll view it also sends the scroll-view callbacks to the same object.
/// Every method does nothing (or allows the change) unless overridden.
class UITextViewDelegate : public UIScrollViewDelegate {
 public:
  virtual bool textViewShouldBeginEditing(UITextView&) { return true; }
  virtual bool textViewShouldEndEditing(UITextView&) { return true; }
  virtual void textViewDidBeginEditing(UITextView&) {}
  virtual void textViewDidEndEditing(UITextView&) {}
  virtual void textViewDidChange(UITextView&) {}
  virtual void textViewDidChangeSelection(UITextView&) {}
};

/// A scrollable, multi-line editable text. Setting `text` from code tells the delegate nothing; `typeText`
/// and `endEditing` act as a person typing and leaving the view, and ask and tell the delegate.
class UITextView : public UIScrollView, public UITextInputTraits {
 public:
  explicit UITextView(CGRect frame = CGRectZero);
  explicit UITextView(const NSCoder& coder);

  /// The delegate, held weakly; it also receives the scroll-view callbacks.
  std::shared_ptr<UITextViewDelegate> delegate() const;
  void setDelegate(const std::shared_ptr<UITextViewDelegate>& delegate);

  std::string text;
  /// Null draws black.
  std::shared_ptr<UIColor> textColor;
  /// Null draws the system font at 12.
  std::shared_ptr<UIFont> font;
  NSTextAlignment textAlignment = NSTextAlignment::Natural;
  bool editable = true;
  bool selectable = true;
  NSUInteger dataDetectorTypes = 0;
  /// An attribute dictionary.
  Value linkTextAttributes;
  UIEdgeInsets textContainerInset{8, 0, 8, 0};

  bool isEditing() const { return editing_; }
  /// Types `typed` as a person would. Editing begins first when it has not: the delegate is asked whether
  /// it may (a NO types nothing), then told it began. Each character is then appended, the caret moves
  /// behind it (selection changed) and the delegate is told of the change. A view that is not editable or
  /// takes no touches types nothing.
  void typeText(std::string_view typed);
  /// Leaves the view when it is being edited and the delegate lets it: editing ends and the delegate is
  /// told. Returns whether the view is no longer being edited.
  bool endEditing();

  void drawContent(CGContext& context) const override;

 private:
  bool beginEditing();

  bool editing_ = false;
};

}  // namespace tarnavel
