#include "tests/msr-helper/StandInMachine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <unistd.h>

StandInMachine::StandInMachine() {
    std::string pattern = testing::TempDir() + "stand-in-machine-XXXXXX";
    m_folder = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
}

StandInMachine::~StandInMachine() {
    if (!m_folder.empty()) {
        std::filesystem::remove_all(m_folder);
    }
}

void StandInMachine::WriteRegister(const std::array<uint8_t, 8>& bytes, size_t count) {
    const int fd = open(MsrFile().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(pwrite(fd, bytes.data(), count, off_t{msrhelper::kFidVidStatusMsr}), ssize_t(count));
    close(fd);
}

void StandInMachine::WriteTable(const DmiTableBuilder& table) {
    std::ofstream(DmiFile(), std::ios::binary)
        .write(reinterpret_cast<const char*>(table.bytes.data()), table.bytes.size());
}
