#pragma once
// The state numbers of the skinned controls. A control's states come in groups of four, one
// picture per visual request; a plain control has one group, a check box or a radio button
// one per value it can hold. Every picture choice, substitution and colour rule of the package
// speaks in these names.
//
//   group  0 (unchecked)   1 (checked)   2 (grayed)
//          0 raised        4 raised      8 raised
//          1 sunken        5 sunken      9 sunken
//          2 focused       6 focused    10 focused   (also the mouse-over highlight)
//          3 disabled      7 disabled   11 disabled

namespace ZvState {

// The sub-states within a group.
inline constexpr int Raised = 0;
inline constexpr int Sunken = 1;
inline constexpr int Focused = 2;
inline constexpr int Disabled = 3;
inline constexpr int PerGroup = 4;

// The first state of each group.
inline constexpr int UncheckedBase = 0;
inline constexpr int CheckedBase = 4;
inline constexpr int GrayedBase = 8;

// Which of the four pictures of its group a state is.
constexpr int SubState(int State) {
    return State % PerGroup;
}

// The state a check box or radio button shows in place of an empty one: the raised picture
// of the same group, and state 0 for a raised picture itself.
constexpr int SubstituteInGroup(int State) {
    int r = State % PerGroup;
    return r == 0 ? Raised : State - r;
}

static_assert(SubState(CheckedBase + Focused) == Focused);
static_assert(SubstituteInGroup(CheckedBase + Sunken) == CheckedBase);
static_assert(SubstituteInGroup(GrayedBase) == Raised);
static_assert(SubState(GrayedBase + Disabled) == Disabled);

} // namespace ZvState
