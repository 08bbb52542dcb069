#include "platform/dmi/ProcessorClocks.h"
#include "platform/dmi/DmiTableFile.h"
#include "platform/dmi/SmbiosTable.h"
#include "tests/dmi/DmiTableBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

using dmi::ReadProcessorClocks;

namespace {

std::vector<uint16_t> Clocks(const std::vector<uint8_t>& bytes) {
    dmi::ProcessorClocks clocks = ReadProcessorClocks(bytes);
    EXPECT_TRUE(clocks.Valid()) << clocks.error;
    return clocks.externalClockMHz;
}

} // namespace

TEST(ProcessorClocks, EveryProcessorInTableOrderIncludingUnknownClocks) {
    DmiTableBuilder table;
    table.Structure(0, 0x18, {"BIOS vendor", "1.0"})
        .Processor(200)
        .Structure(17, 0x22)
        .Processor(0)
        .Processor(166)
        .EndOfTable();
    EXPECT_EQ(Clocks(table.bytes), (std::vector<uint16_t>{200, 0, 166}));
}

TEST(ProcessorClocks, ShortestProcessorStructureHoldingTheClockIsAccepted) {
    DmiTableBuilder table;
    table.Processor(0x1234, 0x14);
    EXPECT_EQ(Clocks(table.bytes), (std::vector<uint16_t>{0x1234}));
}

TEST(ProcessorClocks, NothingAfterTheEndOfTableStructureIsRead) {
    DmiTableBuilder table;
    table.Processor(200).EndOfTable();
    table.bytes.insert(table.bytes.end(), {0xFF, 0xFF, 0xFF}); // padding, not a structure
    EXPECT_EQ(Clocks(table.bytes), (std::vector<uint16_t>{200}));
}

TEST(ProcessorClocks, TableWithoutProcessorsOrWithoutBytesHasNoClocks) {
    DmiTableBuilder table;
    table.Structure(1, 0x1B, {"Maker"}).EndOfTable();
    EXPECT_TRUE(Clocks(table.bytes).empty());
    EXPECT_TRUE(Clocks({}).empty());
}

struct MalformedCase {
    const char* name;
    std::vector<uint8_t> bytes;
    const char* errorPart;
};

void PrintTo(const MalformedCase& c, std::ostream* os) {
    *os << c.name;
}

class MalformedTable : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedTable, IsRejectedWhole) {
    dmi::ProcessorClocks clocks = ReadProcessorClocks(GetParam().bytes);
    EXPECT_FALSE(clocks.Valid());
    EXPECT_TRUE(clocks.externalClockMHz.empty());
    EXPECT_NE(clocks.error.find(GetParam().errorPart), std::string::npos) << clocks.error;
}

std::vector<uint8_t> GoodProcessorThen(std::vector<uint8_t> tail) {
    DmiTableBuilder table;
    table.Processor(200);
    table.bytes.insert(table.bytes.end(), tail.begin(), tail.end());
    return table.bytes;
}

std::vector<uint8_t> ProcessorWithoutTerminator() {
    DmiTableBuilder table;
    table.Processor(200);
    table.bytes.pop_back();
    return table.bytes;
}

std::vector<uint8_t> ProcessorOfLength(uint8_t length) {
    DmiTableBuilder table;
    table.Processor(200, length);
    return table.bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedTable,
    testing::Values(
        MalformedCase{"CutInsideHeader", GoodProcessorThen({4, 0x28}), "cut off inside its header"},
        MalformedCase{"LengthBelowHeader", GoodProcessorThen({4, 3, 0, 0, 0, 0}),
                      "shorter than its header"},
        MalformedCase{"LengthPastEnd", GoodProcessorThen({4, 0x28, 0, 0, 0, 0}), "past the end"},
        MalformedCase{"NoDoubleNul", ProcessorWithoutTerminator(), "double-NUL"},
        MalformedCase{"ProcessorTooShortForClock", ProcessorOfLength(0x13), "too short"},
        MalformedCase{"BareHeaderProcessor", ProcessorOfLength(4), "too short"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SmbiosTable, StructuresKeepTypeHandleAndFormattedArea) {
    DmiTableBuilder table;
    table.Structure(2, 0x0F, {"Board"}).EndOfTable();
    dmi::SmbiosTable parsed = dmi::ParseSmbiosTable(table.bytes);
    ASSERT_TRUE(parsed.Valid()) << parsed.error;
    ASSERT_EQ(parsed.structures.size(), 2u);
    EXPECT_EQ(parsed.structures[0].type, 2);
    EXPECT_EQ(parsed.structures[0].formatted.size(), 0x0Fu);
    EXPECT_EQ(parsed.structures[1].type, 127);
    EXPECT_EQ(parsed.structures[1].handle, 1);
}

TEST(DmiTableFile, ReadsTheFileAndReportsOneThatIsMissing) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("dmi-table-" + std::to_string(getpid()));
    DmiTableBuilder table;
    table.Processor(133).EndOfTable();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(table.bytes.data()), table.bytes.size());

    dmi::DmiTableFile file = dmi::ReadDmiTableFile(path.string());
    EXPECT_TRUE(file.Readable());
    EXPECT_EQ(file.bytes, table.bytes);
    std::filesystem::remove(path);

    dmi::DmiTableFile missing = dmi::ReadDmiTableFile(path.string());
    EXPECT_FALSE(missing.Readable());
    EXPECT_NE(missing.error.find(path.string()), std::string::npos);
    EXPECT_FALSE(dmi::ReadDmiTableFile(path.parent_path().string()).Readable());
}
