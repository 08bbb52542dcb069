#include "platform/forms/EmbeddedResources.h"
#include "platform/forms/FormParser.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> FileBytes(const std::string& name) {
    std::ifstream in(std::string(FORMS_FIXTURES_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> EmbeddedBytes(const std::string& name) {
    std::optional<std::span<const uint8_t>> bytes = FindEmbeddedResource(name);
    if (!bytes) {
        ADD_FAILURE() << name << " is not embedded";
        return {};
    }
    return {bytes->begin(), bytes->end()};
}

// The fixtures are embedded in a static library that nothing else references, the case in
// which a linker would otherwise leave them out.
TEST(EmbeddedResources, HoldTheFilesBytesUnderTheirFileNames) {
    for (const char* name : {"Sample.dfm", "AllBytes.bin", "Empty.bin"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(EmbeddedBytes(name), FileBytes(name));
    }
    EXPECT_EQ(FileBytes("AllBytes.bin").size(), 256u);
}

TEST(EmbeddedResources, AnswersNothingForOtherNames) {
    EXPECT_FALSE(FindEmbeddedResource("fixtures/Sample.dfm"));
    EXPECT_FALSE(FindEmbeddedResource("sample.dfm"));
    EXPECT_FALSE(FindEmbeddedResource(""));
}

TEST(EmbeddedResources, AnEmbeddedFormResourceReads) {
    std::span<const uint8_t> bytes = FindEmbeddedResource("Sample.dfm").value();
    FormObject form = ParseFormResource(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    EXPECT_EQ(form.className, "TfrmSample");
    ASSERT_EQ(form.children.size(), 3u);
    EXPECT_EQ(form.children[1].name, "lbCpuFreq");
    EXPECT_EQ(form.children[1].line, 25);
}

} // namespace
