// Binding a grid of label columns, and of mixed columns, beside a baseline that builds the same labels as
// bare views in a scroll view. Each figure comes with the memory the bound tree holds per cell, read from
// the allocator's statistics before and after, and a second bind of the same grid is measured too.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>
#include <string>
#include <vector>

#include "tarnavel/grid/UIDataGrid.h"
#include "tarnavel/platform/views/UILabel.h"
#include "tarnavel/platform/views/UIScrollView.h"

namespace {

using namespace tarnavel;

constexpr int kColumns = 8;
constexpr CGFloat kRowHeight = 20;
constexpr CGFloat kColumnWidth = 80;

std::size_t heapInUse() {
  return mallinfo2().uordblks;
}

Value makeRecords(int rows) {
  Value records = Value::newArray();
  for (int row = 0; row < rows; ++row) {
    Value record = Value::newArray();
    for (int column = 0; column < kColumns; ++column) {
      // Field kinds that every column kind can show: text, a switch flag, a slider value.
      record.append(Value(column % 4 == 1   ? std::string(row % 2 ? "1" : "0")
                          : column % 4 == 2 ? std::to_string(row % 100)
                                            : "R" + std::to_string(row) + " C" + std::to_string(column)));
    }
    records.append(record);
  }
  return records;
}

template <class Column>
std::shared_ptr<DataGridColumn> column(int field) {
  auto made = std::make_shared<Column>();
  made->Title = "Column " + std::to_string(field);
  made->dataFieldIndex = field;
  made->Width = kColumnWidth;
  return made;
}

std::vector<std::shared_ptr<DataGridColumn>> labelColumns() {
  std::vector<std::shared_ptr<DataGridColumn>> columns;
  for (int c = 0; c < kColumns; ++c)
    columns.push_back(column<DataGridLabelColumn>(c));
  return columns;
}

// Labels, switches, sliders and text fields, two of each.
std::vector<std::shared_ptr<DataGridColumn>> mixedColumns() {
  std::vector<std::shared_ptr<DataGridColumn>> columns;
  for (int c = 0; c < kColumns; ++c) {
    switch (c % 4) {
      case 0:
        columns.push_back(column<DataGridLabelColumn>(c));
        break;
      case 1:
        columns.push_back(column<DataGridSwitchColumn>(c));
        break;
      case 2:
        columns.push_back(column<DataGridSliderColumn>(c));
        break;
      default:
        columns.push_back(column<DataGridTextFieldColumn>(c));
        break;
    }
  }
  return columns;
}

std::shared_ptr<UIDataGrid> makeGrid(int rows, bool mixed) {
  auto grid = std::make_shared<UIDataGrid>(CGRectMake(0, 0, kColumns * kColumnWidth, 600));
  grid->RowHeight = kRowHeight;
  grid->Columns = mixed ? mixedColumns() : labelColumns();
  grid->DataSource = makeRecords(rows);
  return grid;
}

void reportCells(benchmark::State& state, int rows, std::size_t heldBytes) {
  const double cells = double(rows) * kColumns;
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * cells));
  state.counters["bytes_per_cell"] = double(heldBytes) / cells;
}

void BM_GridBind(benchmark::State& state, bool mixed) {
  const int rows = static_cast<int>(state.range(0));
  std::size_t held = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto grid = makeGrid(rows, mixed);
    const std::size_t before = heapInUse();
    state.ResumeTiming();
    grid->DataBind();
    state.PauseTiming();
    held = heapInUse() - before;
    grid.reset();
    state.ResumeTiming();
  }
  reportCells(state, rows, held);
}

// A second bind of a bound grid: the cost of replacing one generation of cells with the next.
void BM_GridRebind(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  auto grid = makeGrid(rows, false);
  grid->DataBind();
  const std::size_t before = heapInUse();
  for (auto _ : state)
    grid->DataBind();
  reportCells(state, rows, heapInUse() - before);
}

// The baseline: the same labels, with their text, font and frame, as bare views in a scroll view.
void BM_BareLabelsInScrollView(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const Value records = makeRecords(rows);
  const auto font = UIFont::fontWithName("Verdana", 12);
  std::size_t held = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const std::size_t before = heapInUse();
    state.ResumeTiming();
    auto root = std::make_shared<UIView>(CGRectMake(0, 0, kColumns * kColumnWidth, 600));
    auto scroll = std::make_shared<UIScrollView>(root->bounds());
    for (int row = 0; row < rows; ++row) {
      const Value record = records.at(row);
      for (int c = 0; c < kColumns; ++c) {
        auto label = std::make_shared<UILabel>(
            CGRectMake(c * kColumnWidth, row * kRowHeight, kColumnWidth, kRowHeight));
        label->setText(record.at(c).description());
        label->setFont(font);
        scroll->addSubview(label);
      }
    }
    root->addSubview(scroll);
    state.PauseTiming();
    held = heapInUse() - before;
    root.reset();
    scroll.reset();
    state.ResumeTiming();
  }
  reportCells(state, rows, held);
}

// Each size runs for at least two seconds and is reported from its last round, so that the figures are
// binds into a heap already grown: the first binds of 800,000 cells also pay the system for fresh pages.
void recordCounts(benchmark::internal::Benchmark* b) {
  b->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(2);
}

}  // namespace

BENCHMARK_CAPTURE(BM_GridBind, labels, false)->Apply(recordCounts);
BENCHMARK(BM_BareLabelsInScrollView)->Apply(recordCounts);
BENCHMARK_CAPTURE(BM_GridBind, mixed, true)->Apply(recordCounts);
BENCHMARK(BM_GridRebind)->Arg(10000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
