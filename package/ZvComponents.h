#pragma once
// Registers every component of the package with the palette, in the order a form designer
// lists them: ZvButton, ZvCheckBox, ZvRadioButton, ZvPanel and ZvNumLed on "ZvComponents",
// then ZvButtonTx, ZvCheckBoxTx and ZvRadioButtonTx on "ZvComponentsTx". Only a designing
// tool calls it; the program itself publishes the classes its forms use.
void RegisterZvComponents();
