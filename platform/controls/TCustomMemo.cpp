#include "platform/controls/TCustomMemo.h"

#include "platform/gdi/Gdi.h"

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner) {
    SetBounds(Left(), Top(), 185, 89);
}

std::vector<std::string> TCustomMemo::Lines() const {
    std::vector<std::string> lines;
    const std::string& text = Text();
    if (text.empty()) {
        return lines;
    }
    lines.emplace_back();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

void TCustomMemo::SetLines(const std::vector<std::string>& Value) {
    std::string text;
    for (size_t i = 0; i < Value.size(); ++i) {
        text += (i > 0 ? "\r\n" : "") + Value[i];
    }
    SetText(text);
}

void TCustomMemo::SetWordWrap(bool Value) {
    if (Value != FWordWrap) {
        FWordWrap = Value;
        Invalidate();
    }
}

unsigned TCustomMemo::TextFormat() const {
    return DT_NOPREFIX | (FWordWrap ? DT_WORDBREAK : 0);
}
