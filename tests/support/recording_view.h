#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculation_run.h"

namespace testing_support {

// Stands in for the windows of a run: records every message and the
// results window's showing in order, and keeps the list's rows.
class RecordingView final : public calc::RunView {
 public:
  void prepareList(std::string_view header) override {
    calls.push_back("prepare");
    list.assign(1, std::string(header));
  }
  void addRow(std::string_view row) override { list.emplace_back(row); }
  void showRefusal(std::string_view m) override { calls.push_back("refusal:" + std::string(m)); }
  void showCompletion(std::string_view m) override { calls.push_back("completion:" + std::string(m)); }
  void reportFault(std::string_view m) override { calls.push_back("fault:" + std::string(m)); }
  void showResults() override { calls.push_back("results"); }
  std::string decimalSeparator() const override { return separator; }

  std::vector<std::string> calls;
  std::vector<std::string> list;
  std::string separator = ".";
};

}  // namespace testing_support
