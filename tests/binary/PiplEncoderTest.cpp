// The encoder's bytes for each build, against the layout written out by hand.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "resources/PiplDescription.h"
#include "resources/PiplEncoder.h"

namespace tavrelio::pipl {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Names the first differing offset, which a dump of 294 bytes would bury.
testing::AssertionResult SameBytes(const Bytes& actual, const Bytes& expected) {
  for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i) {
    if (actual[i] != expected[i]) {
      return testing::AssertionFailure() << "first difference at offset " << i << ": got "
                                         << int{actual[i]} << ", want " << int{expected[i]};
    }
  }
  if (actual.size() != expected.size()) {
    return testing::AssertionFailure()
           << "got " << actual.size() << " bytes, want " << expected.size();
  }
  return testing::AssertionSuccess();
}

Bytes Concatenate(const std::vector<Bytes>& rows) {
  Bytes all;
  for (const Bytes& row : rows) all.insert(all.end(), row.begin(), row.end());
  return all;
}

// One row per property: vendor, key, id, data length, data, padding. Four-character
// codes appear reversed, as the file holds them.
// clang-format off
Bytes ExpectedList(const Bytes& entry_point_row, const Bytes& interface_version_row) {
  return Concatenate({
      {1, 0, /*reserved*/ 0, 0, 0, 0, /*count*/ 12, 0, 0, 0},
      {'M', 'I', 'B', '8', 'd', 'n', 'i', 'k', 0, 0, 0, 0, 4, 0, 0, 0, 'T', 'K', 'F', 'e'},
      {'M', 'I', 'B', '8', 'e', 'm', 'a', 'n', 0, 0, 0, 0, 12, 0, 0, 0,
       8, 'T', 'a', 'v', 'r', 'e', 'l', 'i', 'o', 0, 0, 0},
      {'M', 'I', 'B', '8', 'g', 't', 'a', 'c', 0, 0, 0, 0, 8, 0, 0, 0,
       6, 'L', 'u', 'm', 'd', 'e', 'x', 0},
      entry_point_row,
      {'M', 'I', 'B', '8', 'R', 'V', 'P', 'e', 0, 0, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0},
      interface_version_row,
      {'M', 'I', 'B', '8', 'R', 'E', 'V', 'e', 0, 0, 0, 0, 4, 0, 0, 0, 0x01, 0x0E, 0x08, 0x00},
      {'M', 'I', 'B', '8', 'F', 'N', 'I', 'e', 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, /*pad*/ 0, 0},
      {'M', 'I', 'B', '8', 'O', 'L', 'G', 'e', 0, 0, 0, 0, 4, 0, 0, 0, 0x00, 0x00, 0x00, 0x06},
      {'M', 'I', 'B', '8', '2', 'L', 'G', 'e', 0, 0, 0, 0, 4, 0, 0, 0, 0x00, 0x14, 0x00, 0x00},
      {'M', 'I', 'B', '8', 'A', 'N', 'M', 'e', 0, 0, 0, 0, 24, 0, 0, 0,
       21, 'T', 'a', 'v', 'r', 'e', 'l', 'i', 'o', ' ', 'b', 'y', ' ',
       'O', 's', 'm', 'u', 'n', 'd', 'i', 'n', 'e', 0, 0},
      {'M', 'I', 'B', '8', 'L', 'F', 'e', 'a', 0, 0, 0, 0, 4, 0, 0, 0, 8, 0, 0, 0},
  });
}

struct BuildCase {
  const char* label;
  Build build;
  Bytes entry_point_row;
  Bytes interface_version_row;
};

const BuildCase kBuildCases[] = {
    {"x64", Build::kX64,
     {'M', 'I', 'B', '8', '4', '6', '6', '8', 0, 0, 0, 0, 16, 0, 0, 0,
      'E', 'n', 't', 'r', 'y', 'P', 'o', 'i', 'n', 't', 'F', 'u', 'n', 'c', 0, 0},
     {'M', 'I', 'B', '8', 'R', 'V', 'S', 'e', 0, 0, 0, 0, 4, 0, 0, 0, 13, 0, 0, 0}},
    {"x86", Build::kX86,
     {'M', 'I', 'B', '8', '6', '8', 'x', 'w', 0, 0, 0, 0, 16, 0, 0, 0,
      'E', 'n', 't', 'r', 'y', 'P', 'o', 'i', 'n', 't', 'F', 'u', 'n', 'c', 0, 0},
     {'M', 'I', 'B', '8', 'R', 'V', 'S', 'e', 0, 0, 0, 0, 4, 0, 0, 0, 12, 0, 10, 0}},
};
// clang-format on

TEST(PiplEncoderTest, WritesEachBuildsListByteForByte) {
  for (const BuildCase& c : kBuildCases) {
    SCOPED_TRACE(c.label);
    const Bytes expected = ExpectedList(c.entry_point_row, c.interface_version_row);
    ASSERT_EQ(expected.size(), 294u);  // guards the table itself
    EXPECT_TRUE(SameBytes(EncodePipl(DescribePipl(c.build)), expected));
  }
}

// The padding rules where the effect's own texts do not reach: text that
// already fills a multiple of 4, empty text, and the uncounted padding of a
// 16-bit number.
TEST(PiplEncoderTest, PadsEachEncodingAtItsBoundaries) {
  struct PaddingCase {
    const char* label;
    PropertyValue value;
    Bytes length_and_data;  // the data length field, the data and the padding
  };
  const PaddingCase kCases[] = {
      {"counted, filled", CountedText{"abc"}, {4, 0, 0, 0, 3, 'a', 'b', 'c'}},
      {"counted, empty", CountedText{""}, {4, 0, 0, 0, 0, 0, 0, 0}},
      {"terminated, filled", TerminatedText{"abc"}, {4, 0, 0, 0, 'a', 'b', 'c', 0}},
      {"terminated, spills", TerminatedText{"abcd"}, {8, 0, 0, 0, 'a', 'b', 'c', 'd', 0, 0, 0, 0}},
      {"16-bit", Number16{0xBEEF}, {2, 0, 0, 0, 0xEF, 0xBE, 0, 0}},
      {"version pair", VersionPair{0x0102, 0x0304}, {4, 0, 0, 0, 0x02, 0x01, 0x04, 0x03}},
  };
  for (const PaddingCase& c : kCases) {
    SCOPED_TRACE(c.label);
    const Property property{FourCharCode("test"), c.value};
    const Bytes expected = Concatenate({{1, 0, 0, 0, 0, 0, 1, 0, 0, 0},
                                        {'M', 'I', 'B', '8', 't', 's', 'e', 't', 0, 0, 0, 0},
                                        c.length_and_data});
    EXPECT_TRUE(SameBytes(EncodePipl({&property, 1}), expected));
  }
}

TEST(PiplEncoderTest, RejectsCountedTextBeyondItsCountByte) {
  const std::string longest(255, 'x');
  const std::string too_long(256, 'x');
  const Property fits{FourCharCode("name"), CountedText{longest}};
  const Property overflows{FourCharCode("name"), CountedText{too_long}};
  EXPECT_EQ(EncodePipl({&fits, 1}).size(), 10u + 16u + 256u);
  EXPECT_THROW(EncodePipl({&overflows, 1}), std::length_error);
}

}  // namespace
}  // namespace tavrelio::pipl
