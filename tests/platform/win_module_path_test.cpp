#include "platform/module_path.h"

#include <gtest/gtest.h>

#include "platform/split_text.h"

namespace vostrel {
namespace {

TEST(ModulePath, ExeFolderIsTheFolderOfTheRunningProgram) {
  const std::wstring path = ModuleFileName();
  const std::wstring folder = ExeFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), L'\\');
  EXPECT_EQ(path.rfind(folder, 0), 0u);
  EXPECT_EQ(path.substr(folder.size()), L"win_tests.exe");
  EXPECT_EQ(ApplicationName(), L"win_tests");
}

TEST(ModulePath, FolderAndBaseNameOfAPath) {
  struct Case {
    std::wstring_view path;
    std::wstring_view folder;
    std::wstring_view baseName;
  };
  const Case cases[] = {
      {L"C:\\Program Files\\Vostrel\\Vostrel.exe", L"C:\\Program Files\\Vostrel\\", L"Vostrel"},
      {L"Z:\\a.b\\tool.v2.exe", L"Z:\\a.b\\", L"tool.v2"},
      {L"Z:\\a.b\\noext", L"Z:\\a.b\\", L"noext"},
      {L"C:/mixed/sep\\x.exe", L"C:/mixed/sep\\", L"x"},
      {L"C:prog.exe", L"C:", L"prog"},
      {L"prog.exe", L"", L"prog"},
      {L"", L"", L""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FolderOfPath(c.path), c.folder);
    EXPECT_EQ(BaseNameOfPath(c.path), c.baseName);
  }
}

TEST(SplitText, PiecesBetweenSeparatorsWithoutATrailingEmptyOne) {
  struct Case {
    std::wstring_view text;
    std::wstring_view separator;
    std::vector<std::wstring> pieces;
  };
  const Case cases[] = {
      {L"9600 8 1 N X", L" ", {L"9600", L"8", L"1", L"N", L"X"}},
      {L"9600  8 1 N", L" ", {L"9600", L"", L"8", L"1", L"N"}},
      {L"9600 8 1 N X ", L" ", {L"9600", L"8", L"1", L"N", L"X"}},
      {L"a  ", L" ", {L"a", L""}},
      {L" a", L" ", {L"", L"a"}},
      {L" ", L" ", {L""}},
      {L"", L" ", {L""}},
      {L"no separator", L", ", {L"no separator"}},
      {L"COM1:, COM2:, FILE:", L", ", {L"COM1:", L"COM2:", L"FILE:"}},
      {L"COM1:,COM2:, ", L", ", {L"COM1:,COM2:"}},
      {L"192.168.0.1", L".", {L"192", L"168", L"0", L"1"}},
      {L"a..b", L".", {L"a", L"", L"b"}},
      {L"abc", L"", {L"abc"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitText(c.text, c.separator), c.pieces) << std::wstring(c.text).size();
}

}  // namespace
}  // namespace vostrel
