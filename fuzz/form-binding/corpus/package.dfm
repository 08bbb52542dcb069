object frm: TFuzzForm
  ClientWidth = 320
  ClientHeight = 120
  object chk: ZvCheckBox
    Left = 4
    Top = 4
    Width = 20
    Height = 20
    Appearance.Uncheck.RaisedBmp.Data = 'strip.bmp'
    Appearance.Check.SunkenBmp.Data = 'strip.bmp'
    Appearance.Gray.FocusedBmp.Data = 'strip.bmp'
    AllowGrayed = True
    State = cbGrayed
    ClicksDisabled = True
    OnClick = Clicked
  end
  object chkTx: ZvCheckBoxTx
    Left = 30
    Width = 80
    Height = 20
    Caption = 'Sound'
    FontColors.Check.Raised = clLime
    FontColors.Gray.Disabled = clGray
    Checked = True
  end
  object pnl: ZvPanel
    Left = 120
    Width = 180
    Height = 60
    BevelOuter = bvLowered
    DesignTimeVisible = False
    object rad: ZvRadioButton
      Left = 4
      Top = 4
      Width = 20
      Height = 20
      Appearance.Check.RaisedBmp.Data = 'strip.bmp'
      Checked = True
      OnDblClick = Clicked
    end
    object radTx: ZvRadioButtonTx
      Left = 30
      Width = 90
      Height = 20
      Caption = 'Auto'
      FontColors.Uncheck.Sunken = clRed
    end
  end
  object btn: ZvButtonTx
    Top = 60
    Width = 80
    Height = 24
    Appearance.RaisedBmp.Data = 'strip.bmp'
    Caption = 'OK'
    ModalResult = 1
  end
  object led: ZvNumLed
    Top = 90
    Width = 100
    Height = 24
  end
  object ledOdd: ZvNumLed
    Left = 110
    Top = 90
    Width = -5
    Height = 24
    Format = '88888888888888888888.8'
    KeepRatio = True
    ZeroLeading = True
  end
  object ledDate: ZvNumLed
    Left = 200
    Top = 90
    Width = 60
    Height = -1
    Format = 'DD.MM.YY'
    Type = nledDate
    KeepRatio = True
  end
end
