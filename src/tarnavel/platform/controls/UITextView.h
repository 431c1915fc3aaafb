#pragma once

#include <memory>
#include <string>

#include "tarnavel/platform/render/CGContext.h"
#include "tarnavel/platform/views/UIScrollView.h"
#include "tarnavel/platform/controls/UITextInputTraits.h"

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

/// A scrollable, multi-line editable text. Setting `text` from code tells the delegate nothing.
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

  void drawContent(CGContext& context) const override;
};

}  // namespace tarnavel
