#pragma once
// The standard controls in one include: labels, text boxes, buttons, check boxes, lists,
// group boxes, panels and frames.

#include "platform/controls/TButton.h"
#include "platform/controls/TCustomCheckBox.h"
#include "platform/controls/TCustomComboBox.h"
#include "platform/controls/TCustomEdit.h"
#include "platform/controls/TCustomFrame.h"
#include "platform/controls/TCustomGroupBox.h"
#include "platform/controls/TCustomListBox.h"
#include "platform/controls/TCustomMemo.h"
#include "platform/controls/TCustomPanel.h"
#include "platform/controls/TCustomRadioGroup.h"
#include "platform/controls/TLabel.h"
