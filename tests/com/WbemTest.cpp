#include "platform/com/Wbem.h"
#include "platform/com/Com.h"
#include "platform/com/WmiTesting.h"
#include "tests/dmi/DmiTableBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace {

class Wbem : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        SetDmiTablePathForTesting(tablePath);
    }
    void TearDown() override {
        CoUninitialize();
        SetDmiTablePathForTesting("");
        std::filesystem::remove(tablePath);
        EXPECT_EQ(LiveComObjectCount(), 0);
    }

    void WriteTable(const DmiTableBuilder& table) {
        std::ofstream(tablePath, std::ios::binary)
            .write(reinterpret_cast<const char*>(table.bytes.data()), table.bytes.size());
    }

    IWbemServices* Connect() {
        IWbemLocator* locator = nullptr;
        EXPECT_EQ(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IWbemLocator, reinterpret_cast<void**>(&locator)),
                  S_OK);
        IWbemServices* services = nullptr;
        EXPECT_EQ(locator->ConnectServer(u"ROOT\\cimv2", nullptr, nullptr, nullptr, 0, nullptr,
                                         nullptr, &services),
                  WBEM_S_NO_ERROR);
        locator->Release();
        return services;
    }

    const std::string tablePath = testing::TempDir() + "wbem-dmi-" + std::to_string(getpid());
};

TEST_F(Wbem, ProcessorInstancesInTableOrderWithTheirExternalClocks) {
    DmiTableBuilder table;
    table.Processor(200).Processor(0).Processor(166).EndOfTable();
    WriteTable(table);

    IWbemServices* services = Connect();
    EXPECT_EQ(CoSetProxyBlanket(services, RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                                RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr,
                                EOAC_NONE),
              S_OK);
    IEnumWbemClassObject* instances = nullptr;
    ASSERT_EQ(services->CreateInstanceEnum(u"Win32_Processor",
                                           WBEM_FLAG_RETURN_IMMEDIATELY | WBEM_FLAG_FORWARD_ONLY,
                                           nullptr, &instances),
              WBEM_S_NO_ERROR);
    struct Expected {
        VARTYPE vt;
        LONG value;
    } expected[] = {{VT_I4, 200}, {VT_NULL, 0}, {VT_I4, 166}};
    for (const Expected& e : expected) {
        IWbemClassObject* instance = nullptr;
        ULONG returned = 0;
        ASSERT_EQ(instances->Next(WBEM_INFINITE, 1, &instance, &returned), WBEM_S_NO_ERROR);
        ASSERT_EQ(returned, 1u);
        VARIANT value;
        CIMTYPE type = 0;
        ASSERT_EQ(instance->Get(u"ExtClock", 0, &value, &type, nullptr), WBEM_S_NO_ERROR);
        EXPECT_EQ(value.vt, e.vt);
        if (e.vt == VT_I4) {
            EXPECT_EQ(value.lVal, e.value);
        }
        EXPECT_EQ(type, CIM_UINT32);
        EXPECT_EQ(instance->Get(u"extclock", 0, &value, nullptr, nullptr), WBEM_S_NO_ERROR);
        EXPECT_EQ(instance->Get(u"MaxClockSpeed", 0, &value, nullptr, nullptr), WBEM_E_NOT_FOUND);
        VariantClear(&value);
        instance->Release();
    }
    IWbemClassObject* instance = nullptr;
    ULONG returned = 9;
    EXPECT_EQ(instances->Next(WBEM_INFINITE, 1, &instance, &returned), WBEM_S_FALSE);
    EXPECT_EQ(returned, 0u);
    instances->Release();
    services->Release();
}

TEST_F(Wbem, OnlyProcessorsOfAReadableWellFormedTableAreEnumerated) {
    IWbemServices* services = Connect();
    IEnumWbemClassObject* instances = nullptr;
    EXPECT_EQ(services->CreateInstanceEnum(u"Win32_Processor", 0, nullptr, &instances),
              WBEM_E_ACCESS_DENIED); // no table file
    DmiTableBuilder broken;
    broken.Processor(200, 0x12);
    WriteTable(broken);
    EXPECT_EQ(services->CreateInstanceEnum(u"Win32_Processor", 0, nullptr, &instances),
              WBEM_E_FAILED);
    EXPECT_EQ(services->CreateInstanceEnum(u"Win32_BIOS", 0, nullptr, &instances),
              WBEM_E_INVALID_CLASS);
    EXPECT_EQ(instances, nullptr);
    services->Release();
}

TEST_F(Wbem, TheOneNamespaceIsRootCimv2) {
    IWbemLocator* locator = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                               reinterpret_cast<void**>(&locator)),
              S_OK);
    IWbemServices* services = nullptr;
    EXPECT_EQ(locator->ConnectServer(u"root\\CIMV2", nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                                     &services),
              WBEM_S_NO_ERROR);
    services->Release();
    EXPECT_EQ(locator->ConnectServer(u"ROOT\\default", nullptr, nullptr, nullptr, 0, nullptr,
                                     nullptr, &services),
              WBEM_E_INVALID_NAMESPACE);
    EXPECT_EQ(services, nullptr);
    locator->Release();
}

TEST_F(Wbem, ObjectsAnswerForIUnknownAndTheirOwnInterfaceOnly) {
    IWbemLocator* locator = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(&locator)),
              S_OK);
    void* other = &other;
    EXPECT_EQ(locator->QueryInterface(IID_IWbemServices, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(locator->AddRef(), 2u);
    EXPECT_EQ(locator->Release(), 1u);
    EXPECT_EQ(locator->Release(), 0u);

    void* none = &none;
    EXPECT_EQ(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemServices,
                               &none),
              E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(
        CoCreateInstance(IID_IWbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator, &none),
        REGDB_E_CLASSNOTREG);
    EXPECT_EQ(
        CoCreateInstance(CLSID_WbemLocator, locator, CLSCTX_INPROC_SERVER, IID_IWbemLocator, &none),
        CLASS_E_NOAGGREGATION);
}

TEST(ComApartment, InitialisationsPairWithUninitialisationsAndSecurityIsSetOnce) {
    void* object = nullptr;
    EXPECT_EQ(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                               &object),
              CO_E_NOTINITIALIZED);
    EXPECT_EQ(CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                                   RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr),
              CO_E_NOTINITIALIZED);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), RPC_E_CHANGED_MODE);
    EXPECT_EQ(CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                                   RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr),
              S_OK);
    EXPECT_EQ(CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                                   RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr),
              RPC_E_TOO_LATE);
    CoUninitialize();
    CoUninitialize();
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    EXPECT_EQ(CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                                   RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr),
              S_OK);
    CoUninitialize();
    CoUninitialize(); // one too many is harmless
    EXPECT_EQ(CoInitializeEx(&object, COINIT_MULTITHREADED), E_INVALIDARG);
}

} // namespace
