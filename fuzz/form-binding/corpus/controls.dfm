object frm: TFuzzForm
  object E: TEdit
    Text = 'a'
    MaxLength = 3
  end
  object M: TMemo
    Lines.Strings = (
      'a'
      'b')
  end
  object R: TRadioGroup
    Items.Strings = (
      'x')
    ItemIndex = 0
    Columns = 2
  end
  object C: TComboBox
    Items.Strings = (
      'y')
  end
  object B: TButton
    ModalResult = mrOk
  end
  object K: TCheckBox
    State = cbGrayed
  end
  object L: TListBox
  end
  object G: TGroupBox
    Caption = 'g'
  end
  object F: TFrame
  end
end
