#include "tarnavel/chart/internal/ChartBindRecord.h"

#include <algorithm>

#include "tarnavel/chart/UIChart.h"

namespace tarnavel {

void ChartBindRecord::addSublayer(const std::shared_ptr<CALayer>& target, std::shared_ptr<CALayer> layer) {
  if (!target || !layer) return;
  layers_.push_back({target, layer});
  target->addSublayer(std::move(layer));
}

void ChartBindRecord::addSubview(const std::shared_ptr<UIView>& parent, std::shared_ptr<UIView> view) {
  if (!parent || !view) return;
  views_.push_back({parent, view});
  parent->addSubview(std::move(view));
}

void ChartBindRecord::addGestureRecognizer(const std::shared_ptr<UIView>& view,
                                           std::shared_ptr<UIGestureRecognizer> recognizer) {
  if (!view || !recognizer) return;
  recognizers_.push_back({view, recognizer});
  view->addGestureRecognizer(std::move(recognizer));
}

void ChartBindRecord::setContents(const std::shared_ptr<CALayer>& target, std::shared_ptr<CGImage> contents) {
  if (!target) return;
  contents_.push_back({target, target->contents, contents});
  target->contents = std::move(contents);
}

void ChartBindRecord::undo() {
  // Newest first, so a view added twice in one bind is judged by where its last addition put it.
  for (auto it = recognizers_.rbegin(); it != recognizers_.rend(); ++it) {
    const auto view = it->parent.lock();
    const auto recognizer = it->child.lock();
    if (view && recognizer && recognizer->view() == view.get()) view->removeGestureRecognizer(recognizer);
  }
  for (auto it = views_.rbegin(); it != views_.rend(); ++it) {
    const auto parent = it->parent.lock();
    const auto view = it->child.lock();
    if (parent && view && view->superview() == parent.get()) view->removeFromSuperview();
  }
  for (auto it = layers_.rbegin(); it != layers_.rend(); ++it) {
    const auto target = it->parent.lock();
    const auto layer = it->child.lock();
    if (target && layer && layer->superlayer() == target.get()) layer->removeFromSuperlayer();
  }
  for (auto it = contents_.rbegin(); it != contents_.rend(); ++it) {
    const auto target = it->target.lock();
    if (target && target->contents == it->after) target->contents = it->before;
  }
  recognizers_.clear();
  views_.clear();
  layers_.clear();
  contents_.clear();
}

ChartBindRecord& bindRecordOf(UIChart& chart) {
  return *chart.bindRecord_;
}

}  // namespace tarnavel
