#include "tarnavel/grid/UIDataGrid.h"

#include "tarnavel/grid/internal/DataGridBinder.h"
#include "tarnavel/grid/internal/DataGridBindingState.h"
#include "tarnavel/platform/foundation/NSException.h"

namespace tarnavel {

UIDataGrid::UIDataGrid(CGRect frame) : UIView(frame) {
  baseInit();
}

UIDataGrid::UIDataGrid(const NSCoder& coder) : UIView(coder) {
  baseInit();
}

UIDataGrid::~UIDataGrid() = default;

void UIDataGrid::baseInit() {
  binding_ = std::make_unique<DataGridBindingState>();
}

void UIDataGrid::DataBind() {
  // A failed bind ends quietly; what it built and wrote back so far stays.
  exceptions_.clear();
  const ExceptionRecordScope scope(exceptions_);
  DataGridBinder binder(*this, *binding_);
  runProtected([&] { binder.bind(); });
}

}  // namespace tarnavel
