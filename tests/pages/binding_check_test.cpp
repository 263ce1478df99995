// The binding-table check: run here at run time, where a broken rule is an
// exception, to see that each rule catches what it is meant to catch.
#include "pages/binding_check.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace vostrel {
namespace {

constexpr std::wstring_view kTwo[] = {L"OFF", L"ON"};

struct Case {
  const char* rule;  // empty: the table is well formed
  FieldBinding row;
  int firstItem = entry::kPrintSpeed;
};

std::string RuleBroken(const FieldBinding& row, int firstItem) {
  const std::array<FieldBinding, 1> rows = {row};
  try {
    BindingTableIsWellFormed(rows, firstItem);
  } catch (const binding_check::Broken& broken) {
    return broken.rule;
  }
  return "";
}

TEST(BindingCheck, EachRuleCatchesItsFault) {
  const Case cases[] = {
      {"", {.list = 1, .item = 0, .checkBox = 2, .listDefault = {1, 0}, .choices = kTwo}},
      {"every row has a check box", {.list = 1, .item = 0, .choices = kTwo}},
      {"up-down buttons need the row's edit", {.spin = 1, .item = 0, .checkBox = 2}},
      {"an up-down range runs upwards", {.spin = 1, .edit = 3, .item = 0, .spinMin = 5, .spinMax = 4, .checkBox = 2}},
      {"a list default names one of the row's choices",
       {.list = 1, .item = 0, .checkBox = 2, .listDefault = {0, 2}, .choices = kTwo}},
      {"a list flag needs the row's list", {.edit = 1, .item = 0, .checkBox = 2, .flags = kRowListToSecondValue}},
      {"a unit index is the unit of the row's edit",
       {.list = 1, .item = 0, .checkBox = 2, .choices = kTwo, .flags = kRowListIsUnitIndex}},
      {"an IPv6 row has an edit", {.list = 1, .item = 0, .checkBox = 2, .choices = kTwo, .flags = kRowIpv6Bytes}},
      {"a unit list has units", {.unitList = 1, .edit = 3, .item = 0, .checkBox = 2}},
      {"a text default fits the edit's limit",
       {.edit = 1, .item = 0, .checkBox = 2, .textDefault = {L"12345", L"1"}, .editLimit = 4}},
      {"a text default needs the row's edit", {.item = 0, .checkBox = 2, .textDefault = {L"1", L"1"}}},
      {"row i edits catalogue row firstItem + i", {.edit = 1, .item = 3, .checkBox = 2}},
      {"a row's item is a script entry of the catalogue",
       {.edit = 1, .item = kScriptEntryCount, .checkBox = 2},
       kScriptEntryCount},
      {"the table's rows have no items", {.edit = 1, .item = 0, .checkBox = 2}, kRowsWithoutItems},
      {"", {.list = 1, .checkBox = 2, .choices = kTwo}, kRowsWithoutItems},
  };
  for (const Case& c : cases) EXPECT_EQ(RuleBroken(c.row, c.firstItem), c.rule) << c.rule;
}

TEST(BindingCheck, ATablesItemsStayInOneCatalogueGroup) {
  // The last Standard item followed by the first Advanced one.
  const std::array<FieldBinding, 2> rows = {{{.edit = 1, .item = entry::kRs232cXOn, .checkBox = 2},
                                             {.edit = 3, .item = entry::kThroughSensorPosition, .checkBox = 4}}};
  EXPECT_THROW(BindingTableIsWellFormed(rows, entry::kRs232cXOn), binding_check::Broken);
}

}  // namespace
}  // namespace vostrel
