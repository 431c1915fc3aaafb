#include "tarnavel/chart/internal/ChartBindRecord.h"

#include <unordered_set>
#include <vector>

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

namespace {

// Takes away every recorded child that still stands in the parent it was added to, each parent letting its
// children go in one pass (`removeAll`): taken one at a time, every removal would search its parent's list,
// and a rebind of many views would be quadratic. Every child is judged by where it stands before anything
// leaves, so a view added twice in one bind leaves only the parent its last addition put it in. A child
// stands in one parent only, so one set of leaving children serves every parent.
template <class Node, class Additions, class ParentOf, class RemoveAll>
void removeStillInPlace(const Additions& additions, ParentOf parentOf, RemoveAll removeAll) {
  std::unordered_set<const Node*> leaving, seen;
  std::vector<std::shared_ptr<Node>> parents;  // held while their children leave
  for (const auto& added : additions) {
    auto parent = added.parent.lock();
    const auto child = added.child.lock();
    if (!parent || !child || parentOf(*child) != parent.get()) continue;
    leaving.insert(child.get());
    if (seen.insert(parent.get()).second) parents.push_back(std::move(parent));
  }
  for (const auto& parent : parents)
    removeAll(*parent, leaving);
}

}  // namespace

void ChartBindRecord::undo() {
  for (auto it = recognizers_.rbegin(); it != recognizers_.rend(); ++it) {
    const auto view = it->parent.lock();
    const auto recognizer = it->child.lock();
    if (view && recognizer && recognizer->view() == view.get()) view->removeGestureRecognizer(recognizer);
  }
  removeStillInPlace<UIView>(
      views_, [](const UIView& view) { return view.superview(); },
      [](UIView& parent, const auto& children) { parent.removeSubviews(children); });
  removeStillInPlace<CALayer>(
      layers_, [](const CALayer& layer) { return layer.superlayer(); },
      [](CALayer& target, const auto& children) { target.removeSublayers(children); });
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
