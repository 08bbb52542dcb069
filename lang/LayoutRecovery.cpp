#include "lang/LayoutRecovery.h"

#include "lang/ControlExplorer.h"
#include "lang/ControlFonts.h"
#include "platform/controls/TWinControl.h"

#include <cstring>
#include <map>
#include <string>

namespace kiln {

void ApplyControlInfo(TControl* control, const ControlInfo& row) {
    control->SetLeft(row.Left);
    control->SetTop(row.Top);
    control->SetWidth(row.Width);
    control->SetHeight(row.Height);
    ApplyFontAndLanguage(control, row.FontHeight);
}

int32_t Recover(TWinControl* root, const ControlInfo* rows, int count) {
    std::map<std::string, int> index;
    for (int i = 0; i < count; ++i) {
        // emplace keeps the first row of a name that appears twice
        index.emplace(std::string(rows[i].Name, strnlen(rows[i].Name, sizeof rows[i].Name)), i);
    }
    ControlExplorer explorer;
    if (!explorer.Reset(root)) {
        return -1;
    }
    int32_t applied = 0;
    for (; explorer.IsValid(); explorer.MoveNext()) {
        TControl* control = explorer.Current();
        auto row = index.find(control->Name());
        if (row == index.end()) {
            return -1;
        }
        ApplyControlInfo(control, rows[row->second]);
        ++applied;
    }
    auto rootRow = index.find(root->Name());
    if (rootRow == index.end()) {
        return -1;
    }
    ApplyControlInfo(root, rows[rootRow->second]);
    return applied + 1;
}

} // namespace kiln
