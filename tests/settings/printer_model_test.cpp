#include "settings/printer_model.h"

#include <gtest/gtest.h>

namespace vostrel {
namespace {

TEST(PrinterModel, OnlyTheSecondNameExactlyGivesTheSecondModel) {
  struct Case {
    std::wstring_view name;
    PrinterModel model;
  };
  const Case cases[] = {
      {L"VX-120-ZKQ", PrinterModel::Vx120Zkq}, {L"VX-135-ZKQ", PrinterModel::Vx135Zkq},
      {L"vx-135-zkq", PrinterModel::Vx120Zkq}, {L"VX-135-ZKQ ", PrinterModel::Vx120Zkq},
      {L"", PrinterModel::Vx120Zkq},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ModelIndexOf(c.name), c.model) << std::string(c.name.begin(), c.name.end());
  }
  for (PrinterModel model : {PrinterModel::Vx120Zkq, PrinterModel::Vx135Zkq}) {
    EXPECT_EQ(ModelIndexOf(ModelName(model)), model);
    EXPECT_EQ(ModelAt(static_cast<int>(ModelSlot(model))), model);
  }
  EXPECT_EQ(ModelAt(-1), PrinterModel::Vx120Zkq);
  EXPECT_EQ(ModelAt(2), PrinterModel::Vx120Zkq);
}

}  // namespace
}  // namespace vostrel
