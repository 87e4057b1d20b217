// Each .aex's property list, read back from the built file the way the host
// reads it: found by type and id, walked without knowing the keys, and tied
// to what global setup reports and to the one export.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "AexTest.h"
#include "PiplReader.h"
#include "resources/EffectIdentity.h"

namespace tavrelio::aex {
namespace {

namespace rd = pipl_reader;

constexpr std::uint16_t kPiplId = 16000;
constexpr std::uint16_t kEnglishUnitedStates = 1033;
constexpr std::size_t kPiplSize = 294;

class AexPiplTest : public AexTest {
 protected:
  // The one property list resource; fails the test unless there is exactly one.
  std::vector<std::uint8_t> PiplBytes() const {
    const std::vector<pe::Resource> lists = ResourcesOfType(std::string("PIPL"));
    EXPECT_EQ(lists.size(), 1u);
    return lists.empty() ? std::vector<std::uint8_t>{} : lists.front().data;
  }

  std::vector<std::string> ExpectedKeys() const {
    return {"kind", "name", "catg", std::string(GetParam().entry_point_key),
            "ePVR", "eSVR", "eVER", "eINF",
            "eGLO", "eGL2", "eMNA", "aeFL"};
  }

  static std::vector<std::string> KeysOf(const rd::PropertyList& list) {
    std::vector<std::string> keys;
    for (const rd::RawProperty& p : list.properties) keys.push_back(p.key);
    return keys;
  }
};

TEST_P(AexPiplTest, IsOneResourceOfTypePiplId16000InEnglish) {
  const std::vector<pe::Resource> lists = ResourcesOfType(std::string("PIPL"));
  ASSERT_EQ(lists.size(), 1u);
  EXPECT_EQ(lists[0].name, pe::ResourceKey(kPiplId));
  EXPECT_EQ(lists[0].language, kEnglishUnitedStates);
}

TEST_P(AexPiplTest, HasTheHeaderAndTwelvePropertiesOnTheFourByteGrid) {
  const std::vector<std::uint8_t> bytes = PiplBytes();
  ASSERT_EQ(bytes.size(), kPiplSize);
  const rd::PropertyList list = rd::ReadPropertyList(bytes);
  EXPECT_EQ(list.format_version, 1);
  EXPECT_EQ(list.reserved, 0u);
  EXPECT_EQ(list.declared_count, 12u);

  const std::vector<std::size_t> kDataLengths = {4, 12, 8, 16, 4, 4, 4, 2, 4, 4, 24, 4};
  const std::vector<std::size_t> kSizes = {20, 28, 24, 32, 20, 20, 20, 20, 20, 20, 40, 20};
  std::vector<std::size_t> data_lengths;
  std::vector<std::size_t> sizes;
  for (const rd::RawProperty& p : list.properties) {
    EXPECT_EQ(p.vendor, "8BIM") << p.key;
    EXPECT_EQ(p.id, 0u) << p.key;
    data_lengths.push_back(p.data.size());
    sizes.push_back(p.size);
  }
  EXPECT_EQ(KeysOf(list), ExpectedKeys());
  EXPECT_EQ(data_lengths, kDataLengths);
  EXPECT_EQ(sizes, kSizes);
}

// The values the host acts on, each against where it comes from: the effect's
// identity (what global setup reports), the build, and the export table.
TEST_P(AexPiplTest, CarriesTheEffectsIdentityAndTheBuildsEntryPoint) {
  const rd::PropertyList list = rd::ReadPropertyList(PiplBytes());
  ASSERT_EQ(KeysOf(list), ExpectedKeys());
  const auto data = [&](std::size_t number) {
    return std::span<const std::uint8_t>(list.properties.at(number - 1).data);
  };

  EXPECT_EQ(rd::Code(data(1)), "eFKT");
  EXPECT_EQ(rd::CountedText(data(2)), kEffectName);
  EXPECT_EQ(rd::CountedText(data(3)), kEffectCategory);
  const std::string entry_point = rd::TerminatedText(data(4));
  EXPECT_EQ(entry_point, kEntryPointName);
  EXPECT_EQ(Image().ExportNames(), std::vector<std::string>{entry_point});
  EXPECT_EQ(rd::Version(data(5)), (rd::VersionPair{2, 0}));
  EXPECT_EQ(rd::Version(data(6)),
            (rd::VersionPair{GetParam().interface_major, GetParam().interface_minor}));
  EXPECT_EQ(rd::Number32(data(7)), kPackedVersion);
  EXPECT_EQ(rd::Number16(data(8)), 0);
  EXPECT_EQ(rd::Number32(data(9)), static_cast<std::uint32_t>(kGlobalOutFlags));
  EXPECT_EQ(rd::Number32(data(10)), static_cast<std::uint32_t>(kGlobalOutFlags2));
  EXPECT_EQ(rd::CountedText(data(11)), kEffectMatchName);
  EXPECT_EQ(rd::Number32(data(12)), 8u);
}

INSTANTIATE_TEST_SUITE_P(Deliverables, AexPiplTest, testing::ValuesIn(kAexBuilds), AexBuildLabel);

}  // namespace
}  // namespace tavrelio::aex
