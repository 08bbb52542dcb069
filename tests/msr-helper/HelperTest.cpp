// hushwave-msr as the I/O library meets it: one process over a socket pair, reading stand-ins.
#include "platform/msrhelper/HelperProcess.h"
#include "platform/msrhelper/HelperRecords.h"
#include "tests/msr-helper/HelperChild.h"
#include "tests/msr-helper/StandInMachine.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using msrhelper::Answer;
using msrhelper::Question;
using msrhelper::Record;
using msrhelper::Status;

constexpr std::array<uint8_t, 8> kRegister = {0x0A, 0x08, 0x12, 0x00, 0x0C, 0x06, 0x02, 0x01};

class Helper : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(machine.Folder().empty());
        machine.WriteRegister(kRegister);
        DmiTableBuilder table;
        table.Structure(0, 0x18, {"BIOS"}).Processor(200).Processor(166).Processor(0).EndOfTable();
        machine.WriteTable(table);
    }

    std::vector<std::string> Command() const {
        return {HUSHWAVE_MSR_HELPER, "--stand-in", machine.MsrFile(), machine.DmiFile()};
    }

    static std::optional<Answer> Ask(HelperChild& helper, std::span<const uint8_t> message) {
        std::optional<std::vector<uint8_t>> bytes = helper.Exchange(message);
        return bytes ? msrhelper::ReadAnswer(*bytes) : std::nullopt;
    }
    static std::optional<Answer> Ask(HelperChild& helper, Question question, uint32_t index) {
        return Ask(helper, msrhelper::EncodeRequest({question, index}));
    }

    StandInMachine machine;
};

TEST_F(Helper, AnswersTheStatusRegisterAndTheLastKnownExternalClock) {
    HelperChild helper(Command());
    ASSERT_TRUE(helper.Started());
    for (int round = 0; round < 2; ++round) {
        std::optional<Answer> msr = Ask(helper, Question::ReadMsr, msrhelper::kFidVidStatusMsr);
        ASSERT_TRUE(msr);
        EXPECT_EQ(msr->status, Status::Answered);
        EXPECT_EQ(msr->question, uint8_t(Question::ReadMsr));
        EXPECT_EQ(msr->value, kRegister);
        std::optional<Answer> clock = Ask(helper, Question::ExternalClock, 0);
        ASSERT_TRUE(clock);
        EXPECT_EQ(clock->status, Status::Answered);
        EXPECT_EQ(clock->question, uint8_t(Question::ExternalClock));
        EXPECT_EQ(clock->value, (std::array<uint8_t, 8>{166, 0, 0, 0, 0, 0, 0, 0}));
    }
}

// Each message is refused with a zero value, and the helper goes on answering after it.
TEST_F(Helper, RefusesEveryOtherQuestionAndEveryMalformedRequest) {
    const auto request = [](uint8_t question, uint32_t index) {
        const Record r = msrhelper::EncodeRequest({static_cast<Question>(question), index});
        return std::vector<uint8_t>(r.begin(), r.end());
    };
    const auto changed = [](std::vector<uint8_t> message, size_t at, uint8_t value) {
        message[at] = value;
        return message;
    };
    const std::vector<uint8_t> good = request(1, msrhelper::kFidVidStatusMsr);
    std::mt19937 random(42);
    std::vector<uint8_t> garbage(16);
    for (uint8_t& b : garbage) {
        b = static_cast<uint8_t>(random());
    }
    std::vector<uint8_t> oversized = good;
    oversized.push_back(0);
    struct Case {
        const char* name;
        std::vector<uint8_t> message;
        uint8_t question; // echoed for a well-formed request, 0 for a malformed one
    } cases[] = {
        {"time-stamp counter", request(1, 0x10), 1},
        {"FID/VID control register", request(1, 0xC0010041), 1},
        {"register after the status", request(1, 0xC0010043), 1},
        {"question 0", request(0, 0), 0},
        {"question 3", request(3, 0), 0},
        {"clock question with an index", request(2, 1), 0},
        {"wrong magic", changed(good, 3, 'A'), 0},
        {"reserved byte after the question", changed(good, 6, 1), 0},
        {"reserved byte at the end", changed(good, 15, 1), 0},
        {"truncated", {good.begin(), good.begin() + 10}, 0},
        {"one byte", {good.begin(), good.begin() + 1}, 0},
        {"oversized by one byte", oversized, 0},
        {"oversized page", std::vector<uint8_t>(4096, 'H'), 0},
        {"garbage", garbage, 0},
    };
    HelperChild helper(Command());
    ASSERT_TRUE(helper.Started());
    for (const Case& c : cases) {
        std::optional<Answer> answer = Ask(helper, c.message);
        ASSERT_TRUE(answer) << c.name;
        EXPECT_EQ(answer->status, Status::Refused) << c.name;
        EXPECT_EQ(answer->question, c.question) << c.name;
        EXPECT_EQ(answer->value, (std::array<uint8_t, 8>{})) << c.name;
        std::optional<Answer> next = Ask(helper, good);
        ASSERT_TRUE(next) << c.name;
        EXPECT_EQ(next->status, Status::Answered) << c.name;
    }
    EXPECT_NE(helper.Errors().find("hushwave-msr: refused: a request is 16 bytes, not 10"),
              std::string::npos)
        << helper.Errors();
}

TEST_F(Helper, SourcesThatCannotBeReadMakeItsAnswersUnavailable) {
    DmiTableBuilder broken;
    broken.Processor(200, 0x12);
    DmiTableBuilder unknownClock;
    unknownClock.Processor(0).EndOfTable();
    struct Case {
        const char* name;
        size_t registerBytes;         // 0: no msr file
        const DmiTableBuilder* table; // nullptr: no DMI file
    } cases[] = {
        {"register file ends inside the register, no table", 4, nullptr},
        {"no register file, table cut off", 0, &broken},
        {"no register file, no processor knows its clock", 0, &unknownClock},
    };
    for (const Case& c : cases) {
        StandInMachine other;
        if (c.registerBytes > 0) {
            other.WriteRegister(kRegister, c.registerBytes);
        }
        if (c.table != nullptr) {
            other.WriteTable(*c.table);
        }
        HelperChild helper({HUSHWAVE_MSR_HELPER, "--stand-in", other.MsrFile(), other.DmiFile()});
        for (Question question : {Question::ReadMsr, Question::ExternalClock}) {
            std::optional<Answer> answer = Ask(
                helper, question, question == Question::ReadMsr ? msrhelper::kFidVidStatusMsr : 0);
            ASSERT_TRUE(answer) << c.name;
            EXPECT_EQ(answer->status, Status::Unavailable) << c.name;
            EXPECT_EQ(answer->value, (std::array<uint8_t, 8>{})) << c.name;
        }
    }
}

TEST_F(Helper, EndsWhenThePipeClosesEvenInsideARequest) {
    for (size_t sent : {size_t{0}, size_t{16}, size_t{7}}) {
        HelperChild helper(Command());
        ASSERT_TRUE(helper.Started());
        if (sent > 0) {
            const Record good = msrhelper::EncodeRequest({Question::ExternalClock, 0});
            ASSERT_TRUE(helper.Exchange(std::span(good).first(sent))) << sent;
        }
        helper.ClosePipe();
        EXPECT_EQ(helper.ExitStatus(), 0) << sent;
    }
}

TEST_F(Helper, TakesNoOptionButTheStandIns) {
    const std::vector<std::vector<std::string>> commands = {
        {HUSHWAVE_MSR_HELPER, "--help"},
        {HUSHWAVE_MSR_HELPER, "--stand-in", machine.MsrFile()},
        {HUSHWAVE_MSR_HELPER, "--stand-in", machine.MsrFile(), machine.DmiFile(), "x"},
    };
    for (const std::vector<std::string>& command : commands) {
        HelperChild helper(command);
        EXPECT_EQ(helper.ExitStatus(), 2) << command[1];
        EXPECT_NE(helper.Errors().find("usage: hushwave-msr"), std::string::npos);
    }
}

} // namespace

namespace {

TEST(HelperPath, IsTheFullPathBesideTheExecutableOrNothing) {
    struct Case {
        const char* executable;
        const char* helper;
    } cases[] = {
        {"/opt/hushwave/hushwave", "/opt/hushwave/hushwave-msr"},
        {"/hushwave", "/hushwave-msr"},
        {"hushwave", ""},
        {"./stage/hushwave", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(msrhelper::HelperBeside(c.executable), c.helper) << c.executable;
    }
    EXPECT_EQ(msrhelper::HelperProcess::Start("hushwave-msr"), nullptr);
}

} // namespace
