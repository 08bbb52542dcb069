#pragma once

#include <functional>

class TObject;

using TNotifyEvent = std::function<void(TObject* Sender)>;
