#include "platform/kernel/DeviceIo.h"
#include "platform/kernel/KernelObjects.h"
#include "tests/hardware/HardwareTest.h"

namespace {

using IoAccess = HardwareTest;

std::vector<std::string> BoxTexts() {
    std::vector<std::string> texts;
    for (const MessageBoxRecord& box : TakeRecordedMessageBoxes()) {
        EXPECT_FALSE(box.owner);
        EXPECT_EQ(box.type, MB_OK);
        texts.push_back(box.text);
    }
    return texts;
}

TEST_F(IoAccess, BindsEveryEntryPointAndOpensTheLibraryWithTheEmptyText) {
    RegisterFakeZuDA();
    EXPECT_TRUE(LoadIODLL(""));
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_EQ(FakeIo().calls, (std::vector<std::string>{"Open()"}));
    for (FARPROC entry : {EntryPoint(pZUDA_Open), EntryPoint(pZUDA_Close), pZUDA_InPortB,
                          pZUDA_OutPortB, pZUDA_InPortD, pZUDA_OutPortD, EntryPoint(pZUDA_ReadMSR),
                          pZUDA_WrtieMSR, EntryPoint(pZUDA_GetCpuID)}) {
        EXPECT_NE(entry, nullptr);
    }
}

TEST_F(IoAccess, MissingReadEntryPointsAreShownInOrderAndBindingStillSucceeds) {
    struct Row {
        std::set<std::string> missing;
        std::vector<std::string> boxes;
    } rows[] = {
        {{"ZUDA_ReadMSR", "ZUDA_GetCpuID"}, {"No MSR", "No CPUID"}},
        {{"ZUDA_ReadMSR"}, {"No MSR"}},
        {{"ZUDA_GetCpuID"}, {"No CPUID"}},
        {{"ZUDA_InPortB", "ZUDA_OutPortB", "ZUDA_InPortD", "ZUDA_OutPortD", "ZUDA_WrtieMSR"}, {}},
    };
    for (const Row& row : rows) {
        UnbindIoAccessForTesting();
        ResetFakeIo();
        RegisterFakeZuDA(row.missing);
        EXPECT_TRUE(LoadIODLL(""));
        EXPECT_EQ(BoxTexts(), row.boxes);
        EXPECT_EQ(FakeIo().calls, (std::vector<std::string>{"Open()"}));
        DWORD low = 1, high = 2, word0 = 3, word1 = 4;
        EXPECT_EQ(ReadMsr(0xC0010042, low, high), !row.missing.contains("ZUDA_ReadMSR"));
        EXPECT_EQ(QueryCpuId(0, word0, word1), false); // the fake has no leaf 0
    }
}

TEST_F(IoAccess, LibraryThatCannotBeLoadedBindsNothing) {
    EXPECT_FALSE(LoadIODLL(""));
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_EQ(pZUDA_ReadMSR, nullptr);
    DWORD low = 7, high = 7;
    EXPECT_FALSE(ReadMsr(0xC0010042, low, high));
    CloseIoAccess(); // nothing to close
    EXPECT_TRUE(FakeIo().calls.empty());
}

TEST_F(IoAccess, LibraryReadsGiveTheHalvesFromTheBufferBytes) {
    RegisterFakeZuDA();
    ASSERT_TRUE(LoadIODLL(""));
    FakeIo().msr = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08};
    DWORD low = 0, high = 0;
    ASSERT_TRUE(ReadMsr(0xC0010042, low, high));
    EXPECT_EQ(low, 0x04030201u);
    EXPECT_EQ(high, 0x08070605u);
    EXPECT_EQ(FakeIo().readIndexes, (std::vector<DWORD>{0xC0010042}));

    FakeIo().msrReadable = false;
    low = high = 0xAAAA;
    EXPECT_FALSE(ReadMsr(0xC0010042, low, high));
    EXPECT_EQ(low, 0xAAAAu);
    EXPECT_EQ(high, 0xAAAAu);

    SetFakeCpuId(0x80000007, 0x11, 0x06);
    DWORD word0 = 0, word1 = 0;
    ASSERT_TRUE(QueryCpuId(0x80000007, word0, word1));
    EXPECT_EQ(word0, 0x11u);
    EXPECT_EQ(word1, 0x06u);
}

TEST_F(IoAccess, AnExceptionFromTheCpuIdEntryPointIsAFailedQuery) {
    RegisterFakeZuDA();
    ASSERT_TRUE(LoadIODLL(""));
    SetFakeCpuId(0x80000007, 0, 6);
    FakeIo().cpuidThrows = true;
    DWORD word0 = 5, word1 = 5;
    EXPECT_FALSE(QueryCpuId(0x80000007, word0, word1));
    EXPECT_EQ(word0, 5u);
    EXPECT_EQ(word1, 5u);
    EXPECT_FALSE(Prepare());
}

TEST_F(IoAccess, BothPathsGiveTheSameHalvesForTheSameRegister) {
    RegisterFakeZuDA();
    RegisterDevice("ZUDA.VXD", std::make_shared<FakeZudaVxD>());
    SetFakeMsr(0x120E0A08, 0x00E2EAF2);
    SetFakeCpuId(0x80000001, 0x00000F49, 0xE3D3FBFF);

    ASSERT_TRUE(LoadIODLL(""));
    DWORD ntLow = 0, ntHigh = 0, ntWord0 = 0, ntWord1 = 0;
    ASSERT_TRUE(ReadMsr(0xC0010042, ntLow, ntHigh));
    ASSERT_TRUE(QueryCpuId(0x80000001, ntWord0, ntWord1));

    bIsNT = false;
    ASSERT_TRUE(OpenVxD());
    const size_t libraryCalls = FakeIo().calls.size();
    DWORD low = 0, high = 0, word0 = 0, word1 = 0;
    ASSERT_TRUE(ReadMsr(0xC0010042, low, high));
    ASSERT_TRUE(QueryCpuId(0x80000001, word0, word1));
    EXPECT_EQ(FakeIo().calls.size(), libraryCalls) << "the 9x path never calls the library";
    EXPECT_EQ(low, ntLow);
    EXPECT_EQ(high, ntHigh);
    EXPECT_EQ(low, 0x120E0A08u);
    EXPECT_EQ(high, 0x00E2EAF2u);
    EXPECT_EQ(word0, ntWord0);
    EXPECT_EQ(word1, ntWord1);
    EXPECT_EQ(FakeIo().readIndexes,
              (std::vector<DWORD>{0xC0010042, 0x80000001, 0xC0010042, 0x80000001}));
}

TEST_F(IoAccess, TheDevicePathIsTheNameBehindTheNamespacePrefix) {
    RegisterDevice("ZUDA.VXD", std::make_shared<FakeZudaVxD>());
    EXPECT_TRUE(OpenVxD());
    EXPECT_NE(hDriverDevice, INVALID_HANDLE_VALUE);
    CloseHandle(hDriverDevice);

    RegisterDevice("OTHER", std::make_shared<FakeZudaVxD>());
    EXPECT_TRUE(OpenDriverDevice("OTHER"));
    CloseHandle(hDriverDevice);
    EXPECT_FALSE(OpenDriverDevice(std::string(124, 'A').c_str())) << "does not fit 128 chars";
    EXPECT_EQ(hDriverDevice, INVALID_HANDLE_VALUE);
}

TEST_F(IoAccess, WithoutTheDeviceEveryReadFailsAndTheProcessorIsUnsupported) {
    bIsNT = false;
    SetFakeMsr(1, 2);
    SetFakeCpuId(0x80000007, 0, 6);
    EXPECT_FALSE(OpenVxD());
    EXPECT_EQ(hDriverDevice, INVALID_HANDLE_VALUE);
    DWORD low = 0, high = 0;
    EXPECT_FALSE(ReadMsr(0xC0010042, low, high));
    EXPECT_FALSE(QueryCpuId(0x80000007, low, high));
    EXPECT_FALSE(Prepare());
    EXPECT_EQ(GetBrandCode(), 0);
    CloseIoAccess();
}

TEST_F(IoAccess, CloseReleasesWhatStartUpOpened) {
    RegisterFakeZuDA();
    ASSERT_TRUE(LoadIODLL(""));
    CloseIoAccess();
    EXPECT_EQ(FakeIo().calls, (std::vector<std::string>{"Open()", "Close"}));
    DWORD low = 0, high = 0;
    EXPECT_TRUE(ReadMsr(0xC0010042, low, high)) << "the library stays loaded";

    bIsNT = false;
    const size_t libraryCalls = FakeIo().calls.size();
    RegisterDevice("ZUDA.VXD", std::make_shared<FakeZudaVxD>());
    ASSERT_TRUE(OpenVxD());
    const HANDLE device = hDriverDevice;
    CloseIoAccess();
    EXPECT_FALSE(CloseHandle(device)) << "already closed";
    EXPECT_FALSE(ReadMsr(0xC0010042, low, high));
    EXPECT_EQ(FakeIo().calls.size(), libraryCalls) << "ZUDA_Close is for the NT path only";
}

} // namespace
