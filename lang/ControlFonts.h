#pragma once
// The per-control step of layout recovery: the recorded font height for the standard control
// classes, and for some of them the translated caption and the Japanese character set.

class TPersistent;

// True when the component is of one of the twelve classes this step knows; other components
// are left untouched.
bool ApplyFontAndLanguage(TPersistent* component, int fontHeight);
