// A fixture that loads one deliverable's image per test, named by the table in AexBuilds.h.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "AexBuilds.h"
#include "PeImage.h"

namespace tavrelio::aex {

class AexTest : public testing::TestWithParam<AexBuild> {
 protected:
  // A missing or unreadable file throws here, which fails the test.
  void SetUp() override { image_.emplace(pe::PeImage::FromFile(std::string(GetParam().path))); }

  const pe::PeImage& Image() const { return *image_; }

  std::vector<pe::Resource> ResourcesOfType(const pe::ResourceKey& type) const {
    std::vector<pe::Resource> found = image_->Resources();
    std::erase_if(found, [&](const pe::Resource& r) { return r.type != type; });
    return found;
  }

 private:
  std::optional<pe::PeImage> image_;
};

}  // namespace tavrelio::aex
