#pragma once
// What the Easy and the Standard page hand each other, in both directions:
// the Media Sensor and Print Method rows, each as its check state and its list
// index. The indexes mean the same on both pages: media 0 labels with gaps
// (SEE THROUGH), 1 black marks on back (REFLECT), 2 continuous (NONE); print
// method 0 with ribbon (TT), 1 direct thermal (DT).

#include <string>

namespace vostrel {

struct MediaChoice {
  bool mediaSensorChecked = false;
  int mediaSensorIndex = -1;  // -1: none (PutShared leaves the list as it is)
  bool printMethodChecked = false;
  int printMethodIndex = -1;  // -1: none (PutShared leaves the list as it is)
  // Filled by the Standard page's TakeShared only; PutShared does not read
  // them (the Easy page has no such row).
  std::wstring mediaLength{};
  int mediaLengthUnit = -1;
};

}  // namespace vostrel
