// Each .aex's application manifest: the host process keeps its own rights
// when it loads the plug-in, and the plug-in asks for no UI access.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "AexTest.h"

namespace tavrelio::aex {
namespace {

// A DLL's manifest id (an executable's is 1).
constexpr std::uint16_t kDllManifestId = 2;

// The attributes of every element with this local name, namespace prefix or not.
std::vector<std::map<std::string, std::string>> ElementAttributes(const std::string& xml,
                                                                  const std::string& element) {
  const std::regex tag("<(?:[A-Za-z_][\\w.-]*:)?" + element + "(\\s[^>]*)?/?>");
  const std::regex attribute("([A-Za-z_][\\w.:-]*)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)')");
  std::vector<std::map<std::string, std::string>> found;
  for (std::sregex_iterator t(xml.begin(), xml.end(), tag), end; t != end; ++t) {
    const std::string inside = (*t)[1].str();
    std::map<std::string, std::string> attributes;
    for (std::sregex_iterator a(inside.begin(), inside.end(), attribute); a != end; ++a) {
      attributes[(*a)[1].str()] = (*a)[2].matched ? (*a)[2].str() : (*a)[3].str();
    }
    found.push_back(std::move(attributes));
  }
  return found;
}

class AexManifestTest : public AexTest {};

TEST_P(AexManifestTest, IsTheOnlyManifestUnderTheDllId) {
  const std::vector<pe::Resource> manifests = ResourcesOfType(pe::kResourceTypeManifest);
  ASSERT_EQ(manifests.size(), 1u);
  EXPECT_EQ(manifests[0].name, pe::ResourceKey(kDllManifestId));
}

TEST_P(AexManifestTest, RequestsAsInvokerWithoutUiAccess) {
  const std::vector<pe::Resource> manifests = ResourcesOfType(pe::kResourceTypeManifest);
  ASSERT_EQ(manifests.size(), 1u);
  const std::string xml(manifests[0].data.begin(), manifests[0].data.end());
  const auto levels = ElementAttributes(xml, "requestedExecutionLevel");
  ASSERT_EQ(levels.size(), 1u) << xml;
  const std::map<std::string, std::string> expected = {{"level", "asInvoker"},
                                                       {"uiAccess", "false"}};
  EXPECT_EQ(levels[0], expected);
}

INSTANTIATE_TEST_SUITE_P(Deliverables, AexManifestTest, testing::ValuesIn(kAexBuilds),
                         AexBuildLabel);

}  // namespace
}  // namespace tavrelio::aex
