#include "platform/window/TrayIconHost.h"

TrayIconClient::~TrayIconClient() = default;
