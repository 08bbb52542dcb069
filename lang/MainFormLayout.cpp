#include "lang/MainFormLayout.h"

// clang-format off
const kiln::ControlInfo MainFormLayout[kMainFormLayoutRows] = {
    {"TfrmMain",      447, 404, 385, 215, -11},
    {"imgBackground",   0,   0, 385, 215,   0},
    {"imgCPUBar",      49,  59, 296,  88,   0},
    {"imgCPU1",       170, 114,  22,  27,   0},
    {"imgCPU2",       194, 114,  22,  27,   0},
    {"imgCPU3",       218, 114,  22,  27,   0},
    {"imgCPU4",       242, 114,  22,  27,   0},
    {"imgCPU5",       266, 114,  22,  27,   0},
    {"imgCPU6",       290, 114,  22,  27,   0},
    {"imgCPU7",       314, 114,  22,  27,   0},
    {"imgVIDPerc",    173, 177,  79,  10,   0},
    {"imgVID1",       262, 176,   9,  12,   0},
    {"imgVID2",       272, 176,   9,  12,   0},
    {"imgVID3",       282, 176,   9,  12,   0},
    {"imgVID4",       292, 176,   9,  12,   0},
    {"imgVID5",       302, 176,   9,  12,   0},
    {"imgVID6",       312, 176,   9,  12,   0},
    {"abClose",       354,  44,  16,  16,   0},
    {"abMin",         331,  26,  16,  16,   0},
    {"lbCpuFreq",      32, 152, 108,  13, -11},
    {"lbCpuVolt",      77, 176,  83,  13, -11},
    {"imgMinDn",      426,  13,  16,  16,   0},
    {"imgMinOv",      426,  37,  16,  16,   0},
    {"imgMinUp",      426,  61,  16,  16,   0},
    {"imgCloseDn",    450,  13,  16,  16,   0},
    {"imgCloseOv",    450,  37,  16,  16,   0},
    {"imgCloseUp",    450,  61,  16,  16,   0},
};
// clang-format on
