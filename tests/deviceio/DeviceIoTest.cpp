#include "platform/kernel/DeviceIo.h"
#include "platform/kernel/DeviceNamespace.h"
#include "platform/kernel/KernelObjects.h"
#include "platform/kernel/LastError.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Echoes its input back, reversed, and refuses every code but one.
class ReversingDevice final : public Device {
public:
    static constexpr DWORD kReverse = 0x222004;

    BOOL Control(DWORD code, std::span<const BYTE> in, std::span<BYTE> out,
                 DWORD& returned) override {
        ++requests;
        if (code != kReverse || out.size() < in.size()) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        std::copy(in.rbegin(), in.rend(), out.begin());
        returned = static_cast<DWORD>(in.size());
        return TRUE;
    }

    int requests = 0;
};

class DeviceIo : public testing::Test {
protected:
    void SetUp() override { RegisterDevice("ECHO.VXD", device); }
    void TearDown() override { ClearDevices(); }

    static HANDLE Open(const char* path) {
        return CreateFileA(path, 0, 0, nullptr, OPEN_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    }

    std::shared_ptr<ReversingDevice> device = std::make_shared<ReversingDevice>();
};

TEST_F(DeviceIo, OpensARegisteredDeviceByItsNamespacePathInAnyCase) {
    HANDLE handle = Open("\\\\.\\echo.vxd");
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(handle);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);

    BYTE in[4] = {1, 2, 3, 4};
    BYTE out[8] = {};
    DWORD returned = 99;
    ASSERT_TRUE(DeviceIoControl(handle, ReversingDevice::kReverse, in, sizeof in, out, sizeof out,
                                &returned, nullptr));
    EXPECT_EQ(returned, 4u);
    EXPECT_EQ(std::vector<BYTE>(out, out + 4), (std::vector<BYTE>{4, 3, 2, 1}));

    EXPECT_FALSE(
        DeviceIoControl(handle, 0x1234, in, sizeof in, out, sizeof out, &returned, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_TRUE(CloseHandle(handle));
    EXPECT_FALSE(DeviceIoControl(handle, ReversingDevice::kReverse, in, sizeof in, out, sizeof out,
                                 &returned, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST_F(DeviceIo, NamesThatAreNotRegisteredDevicesFailToOpen) {
    struct Row {
        const char* path;
        DWORD error;
    } rows[] = {
        {"\\\\.\\ZUDA.VXD", ERROR_FILE_NOT_FOUND},  // nothing registers it on Linux
        {"\\\\.\\ECHO.VXD.", ERROR_FILE_NOT_FOUND}, // nothing may be appended
        {"\\\\.\\\\ECHO.VXD", ERROR_FILE_NOT_FOUND},
        {"\\\\.ECHO.VXD", ERROR_PATH_NOT_FOUND},
        {"ECHO.VXD", ERROR_PATH_NOT_FOUND},
        {"", ERROR_PATH_NOT_FOUND},
        {nullptr, ERROR_PATH_NOT_FOUND},
    };
    for (const Row& row : rows) {
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(Open(row.path), INVALID_HANDLE_VALUE) << (row.path ? row.path : "null");
        EXPECT_EQ(GetLastError(), row.error) << (row.path ? row.path : "null");
    }
}

TEST_F(DeviceIo, RefusesOverlappedRequestsMissingCountsAndNullBuffers) {
    HANDLE handle = Open("\\\\.\\ECHO.VXD");
    BYTE in[1] = {7};
    BYTE out[1] = {};
    DWORD returned = 0;
    alignas(8) BYTE overlapped[32] = {};
    EXPECT_FALSE(DeviceIoControl(handle, ReversingDevice::kReverse, in, 1, out, 1, &returned,
                                 reinterpret_cast<OVERLAPPED*>(overlapped)));
    EXPECT_FALSE(
        DeviceIoControl(handle, ReversingDevice::kReverse, in, 1, out, 1, nullptr, nullptr));
    EXPECT_FALSE(
        DeviceIoControl(handle, ReversingDevice::kReverse, nullptr, 1, out, 1, &returned, nullptr));
    EXPECT_FALSE(
        DeviceIoControl(handle, ReversingDevice::kReverse, in, 1, nullptr, 1, &returned, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(device->requests, 0);
    CloseHandle(handle);
}

TEST_F(DeviceIo, AnOpenHandleOutlivesTheRegistrationAndOnlyDeviceHandlesTakeRequests) {
    HANDLE handle = Open("\\\\.\\ECHO.VXD");
    ClearDevices();
    BYTE in[2] = {1, 2};
    BYTE out[2] = {};
    DWORD returned = 0;
    EXPECT_TRUE(
        DeviceIoControl(handle, ReversingDevice::kReverse, in, 2, out, 2, &returned, nullptr));
    EXPECT_EQ(Open("\\\\.\\ECHO.VXD"), INVALID_HANDLE_VALUE);
    CloseHandle(handle);

    class Plain : public KernelObject {};
    HANDLE other = AddKernelObject(std::make_unique<Plain>());
    EXPECT_FALSE(
        DeviceIoControl(other, ReversingDevice::kReverse, in, 2, out, 2, &returned, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    CloseHandle(other);
}

} // namespace
