#include "app/WinMain.h"

#include "app/Log.h"
#include "app/TTfrmMain.h"
#include "platform/application/TApplication.h"
#include "platform/core/SysUtils.h"
#include "platform/kernel/LastError.h"
#include "platform/kernel/Mutex.h"

int WinMain(const char* lpCmdLine) {
    // The handle stays open for the life of the process; the system releases the mutex.
    CreateMutexA(nullptr, TRUE, "ZORVEK_HUSHWAVE_0228943447#3835");
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        return 0;
    }
    DecimalSeparator = '.';
    if (Pos("DEBUG", AnsiUpperCase(lpCmdLine != nullptr ? lpCmdLine : "")) > 0) {
        bDebugLog = true;
    }
    try {
        Application->Initialize();
        Application->CreateForm(frmMain);
        Application->Run();
    } catch (const Exception& exception) {
        Application->ShowException(exception);
    }
    return 0;
}
