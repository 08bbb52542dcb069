#include "platform/com/ComObject.h"

#include "platform/com/WmiTesting.h"

std::atomic<int>& LiveComObjects() {
    static std::atomic<int> count{0};
    return count;
}

int LiveComObjectCount() {
    return LiveComObjects();
}
