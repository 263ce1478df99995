#include "pages/ipv6_text.h"

#include <gtest/gtest.h>

namespace vostrel {
namespace {

TEST(Ipv6Text, ColonFormBecomesSixteenBytes) {
  struct Case {
    const wchar_t* text;
    const wchar_t* bytes;
  };
  const Case cases[] = {
      {L"2001:0db8:0000:0000:0000:0000:0000:0001", L"32,1,13,184,0,0,0,0,0,0,0,0,0,0,0,1"},
      {L"ffff:FFFF:0000:0000:0000:0000:0000:00a0", L"255,255,255,255,0,0,0,0,0,0,0,0,0,0,0,160"},
      // Only the full form converts faithfully: db8 is the pairs db and 8.
      {L"2001:db8::1", L"32,1,219,8,0,0,1,0,0,0,0,0,0,0,0,0"},
      {L"", L"0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0"},
      {L"zz01:0g00", L"0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0"},
      // Text after the eighth colon is ignored.
      {L"0001:0002:0003:0004:0005:0006:0007:0008:0009", L"0,1,0,2,0,3,0,4,0,5,0,6,0,7,0,8"},
  };
  for (const Case& c : cases) EXPECT_EQ(Ipv6TextToByteList(c.text), c.bytes) << c.text;
}

TEST(Ipv6Text, ByteListBecomesColonFormAgain) {
  struct Case {
    const wchar_t* bytes;
    const wchar_t* text;
  };
  const Case cases[] = {
      {L"32,1,13,184,0,0,0,0,0,0,0,0,0,0,0,1", L"2001:0db8:0000:0000:0000:0000:0000:0001"},
      {L"0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1", L"0000:0000:0000:0000:0000:0000:0000:0001"},
      {L"255,255", L"ffff:0000:0000:0000:0000:0000:0000:0000"},
      {L"", L"0000:0000:0000:0000:0000:0000:0000:0000"},
      {L"256,x,1", L"0000:0100:0000:0000:0000:0000:0000:0000"},
  };
  for (const Case& c : cases) EXPECT_EQ(ByteListToIpv6Text(c.bytes), c.text) << c.bytes;
  // Both ways for a full-form address.
  const wchar_t* full = L"fe80:0000:0000:0000:0202:b3ff:fe1e:8329";
  EXPECT_EQ(ByteListToIpv6Text(Ipv6TextToByteList(full)), full);
}

}  // namespace
}  // namespace vostrel
