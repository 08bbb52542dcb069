#include "platform/forms/FormTree.h"

std::string FormProperty::PathText() const {
    std::string text;
    for (const std::string& segment : path) {
        if (!text.empty()) {
            text += '.';
        }
        text += segment;
    }
    return text;
}
