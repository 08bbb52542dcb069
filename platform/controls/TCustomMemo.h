#pragma once
// A text box of several lines. Lines are the text cut at its line breaks; Enter starts a new
// line. It is a relative of the edit box, not a kind of TEdit.

#include "platform/controls/TCustomEdit.h"

#include <string>
#include <vector>

class TCustomMemo : public TCustomEdit {
public:
    HUSHWAVE_CLASS_NAME(TCustomMemo)

    explicit TCustomMemo(TComponent* AOwner);

    std::vector<std::string> Lines() const;
    // The lines joined by CR LF.
    void SetLines(const std::vector<std::string>& Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);

protected:
    bool TakesReturns() const override { return true; }
    unsigned TextFormat() const override;

private:
    bool FWordWrap = true;
};

class TMemo : public TCustomMemo {
public:
    HUSHWAVE_CLASS_NAME(TMemo)
    using TCustomMemo::TCustomMemo;
};
