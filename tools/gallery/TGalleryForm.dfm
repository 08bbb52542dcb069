object GalleryForm: TGalleryForm
  Left = 40
  Top = 40
  BorderStyle = bsSingle
  Caption = 'Hushwave component gallery'
  ClientHeight = 392
  ClientWidth = 496
  Color = $00302B26
  Font.Color = clWhite
  Font.Height = -11
  Font.Name = 'Arial'
  Font.Style = []
  OnCreate = FormCreate
  object lblButtons: TLabel
    Left = 16
    Top = 12
    Width = 448
    Height = 16
    AutoSize = False
    Caption = 'ZvButton: its shape cut by the transparent colour'
    Font.Color = $00E0E0E0
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    Transparent = True
  end
  object btnPlay: ZvButton
    Left = 48
    Top = 36
    Width = 40
    Height = 40
    Appearance.RaisedBmp.Data = 'round_raised.bmp'
    Appearance.SunkenBmp.Data = 'round_sunken.bmp'
    Appearance.FocusedBmp.Data = 'round_focused.bmp'
    Appearance.DisabledBmp.Data = 'round_disabled.bmp'
    Transparent = True
    TransparentColor = clFuchsia
    ModalResult = 1
    TabOrder = 0
    TabStop = True
    OnClick = ButtonClick
    OnEnter = ButtonEnter
    OnExit = ButtonExit
  end
  object btnPlayNoHover: ZvButton
    Left = 168
    Top = 36
    Width = 40
    Height = 40
    Appearance.RaisedBmp.Data = 'round_raised.bmp'
    Appearance.SunkenBmp.Data = 'round_sunken.bmp'
    Appearance.FocusedBmp.Data = 'round_focused.bmp'
    Appearance.DisabledBmp.Data = 'round_disabled.bmp'
    Transparent = True
    TransparentColor = clFuchsia
    ModalResult = 2
    TabOrder = 1
    TabStop = True
    ShowMouseOver = False
    OnClick = ButtonClick
    OnEnter = ButtonEnter
    OnExit = ButtonExit
  end
  object btnPlayDisabled: ZvButton
    Left = 288
    Top = 36
    Width = 40
    Height = 40
    Appearance.RaisedBmp.Data = 'round_raised.bmp'
    Appearance.SunkenBmp.Data = 'round_sunken.bmp'
    Appearance.FocusedBmp.Data = 'round_focused.bmp'
    Appearance.DisabledBmp.Data = 'round_disabled.bmp'
    Transparent = True
    TransparentColor = clFuchsia
    ModalResult = 3
    TabOrder = 2
    TabStop = True
    Enabled = False
    OnClick = ButtonClick
    OnEnter = ButtonEnter
    OnExit = ButtonExit
  end
  object btnPlayNoClicks: ZvButton
    Left = 408
    Top = 36
    Width = 40
    Height = 40
    Appearance.RaisedBmp.Data = 'round_raised.bmp'
    Appearance.SunkenBmp.Data = 'round_sunken.bmp'
    Appearance.FocusedBmp.Data = 'round_focused.bmp'
    Appearance.DisabledBmp.Data = 'round_disabled.bmp'
    Transparent = True
    TransparentColor = clFuchsia
    ModalResult = 4
    TabOrder = 3
    TabStop = True
    OnClick = ButtonClick
    OnEnter = ButtonEnter
    OnExit = ButtonExit
  end
  object lblPlay1: TLabel
    Left = 16
    Top = 80
    Width = 104
    Height = 14
    AutoSize = False
    Caption = 'enabled'
    Font.Color = $00A8A8A8
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    Transparent = True
  end
  object lblPlay2: TLabel
    Left = 136
    Top = 80
    Width = 104
    Height = 14
    AutoSize = False
    Caption = 'no mouse-over'
    Font.Color = $00A8A8A8
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    Transparent = True
  end
  object lblPlay3: TLabel
    Left = 256
    Top = 80
    Width = 104
    Height = 14
    AutoSize = False
    Caption = 'disabled'
    Font.Color = $00A8A8A8
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    Transparent = True
  end
  object lblPlay4: TLabel
    Left = 376
    Top = 80
    Width = 104
    Height = 14
    AutoSize = False
    Caption = 'ClicksDisabled'
    Font.Color = $00A8A8A8
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    Transparent = True
  end
  object lblCaptions: TLabel
    Left = 16
    Top = 106
    Width = 448
    Height = 16
    AutoSize = False
    Caption = 'ZvButtonTx: caption colours per state'
    Font.Color = $00E0E0E0
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    Transparent = True
  end
  object btnOk: ZvButtonTx
    Left = 16
    Top = 130
    Width = 104
    Height = 30
    Appearance.RaisedBmp.Data = 'wide_raised.bmp'
    Appearance.SunkenBmp.Data = 'wide_sunken.bmp'
    Appearance.FocusedBmp.Data = 'wide_focused.bmp'
    Appearance.DisabledBmp.Data = 'wide_disabled.bmp'
    Caption = 'OK'
    Font.Color = clWhite
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    FontColors.Sunken = clLime
    FontColors.Focused = clAqua
    FontColors.Disabled = $00606060
    ModalResult = 1
    TabOrder = 4
    TabStop = True
    OnClick = ButtonClick
    OnEnter = ButtonEnter
    OnExit = ButtonExit
  end
  object btnCancel: ZvButtonTx
    Left = 136
    Top = 130
    Width = 104
    Height = 30
    Appearance.RaisedBmp.Data = 'wide_raised.bmp'
    Appearance.SunkenBmp.Data = 'wide_sunken.bmp'
    Appearance.FocusedBmp.Data = 'wide_focused.bmp'
    Appearance.DisabledBmp.Data = 'wide_disabled.bmp'
    Caption = 'Cancel'
    Font.Color = clWhite
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    FontColors.Sunken = clLime
    FontColors.Focused = clAqua
    FontColors.Disabled = $00606060
    ModalResult = 2
    TabOrder = 5
    TabStop = True
    ShowMouseOver = False
    OnClick = ButtonClick
    OnEnter = ButtonEnter
    OnExit = ButtonExit
  end
  object btnDisabled: ZvButtonTx
    Left = 256
    Top = 130
    Width = 104
    Height = 30
    Appearance.RaisedBmp.Data = 'wide_raised.bmp'
    Appearance.SunkenBmp.Data = 'wide_sunken.bmp'
    Appearance.FocusedBmp.Data = 'wide_focused.bmp'
    Appearance.DisabledBmp.Data = 'wide_disabled.bmp'
    Caption = 'Disabled'
    Font.Color = clWhite
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    FontColors.Sunken = clLime
    FontColors.Focused = clAqua
    FontColors.Disabled = $00606060
    ModalResult = 3
    TabOrder = 6
    TabStop = True
    Enabled = False
    OnClick = ButtonClick
    OnEnter = ButtonEnter
    OnExit = ButtonExit
  end
  object btnNoClicks: ZvButtonTx
    Left = 376
    Top = 130
    Width = 104
    Height = 30
    Appearance.RaisedBmp.Data = 'wide_raised.bmp'
    Appearance.SunkenBmp.Data = 'wide_sunken.bmp'
    Appearance.FocusedBmp.Data = 'wide_focused.bmp'
    Appearance.DisabledBmp.Data = 'wide_disabled.bmp'
    Caption = 'No clicks'
    Font.Color = clWhite
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    FontColors.Sunken = clLime
    FontColors.Focused = clAqua
    FontColors.Disabled = $00606060
    ModalResult = 4
    TabOrder = 7
    TabStop = True
    OnClick = ButtonClick
    OnEnter = ButtonEnter
    OnExit = ButtonExit
  end
  object lblCaption1: TLabel
    Left = 16
    Top = 164
    Width = 104
    Height = 14
    AutoSize = False
    Caption = 'enabled'
    Font.Color = $00A8A8A8
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    Transparent = True
  end
  object lblCaption2: TLabel
    Left = 136
    Top = 164
    Width = 104
    Height = 14
    AutoSize = False
    Caption = 'no mouse-over'
    Font.Color = $00A8A8A8
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    Transparent = True
  end
  object lblCaption3: TLabel
    Left = 256
    Top = 164
    Width = 104
    Height = 14
    AutoSize = False
    Caption = 'disabled'
    Font.Color = $00A8A8A8
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    Transparent = True
  end
  object lblCaption4: TLabel
    Left = 376
    Top = 164
    Width = 104
    Height = 14
    AutoSize = False
    Caption = 'ClicksDisabled'
    Font.Color = $00A8A8A8
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    Transparent = True
  end
  object lblDisplays: TLabel
    Left = 16
    Top = 190
    Width = 448
    Height = 16
    AutoSize = False
    Caption = 'ZvNumLed: numbers, time and date'
    Font.Color = $00E0E0E0
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    Transparent = True
  end
  object ledFloat: ZvNumLed
    Left = 16
    Top = 214
    Width = 132
    Height = 40
    Format = '888.88'
    OnClick = DisplayClick
    OnDblClick = DisplayDblClick
  end
  object ledTime: ZvNumLed
    Left = 168
    Top = 214
    Width = 116
    Height = 40
    Format = 'HH.MM'
    Type = nledTime
    OnClick = DisplayClick
    OnDblClick = DisplayDblClick
  end
  object ledDate: ZvNumLed
    Left = 304
    Top = 214
    Width = 160
    Height = 40
    Format = 'DD.MM.YY'
    Type = nledDate
    OnClick = DisplayClick
    OnDblClick = DisplayDblClick
  end
  object lblFloat: TLabel
    Left = 16
    Top = 258
    Width = 140
    Height = 14
    AutoSize = False
    Caption = '888.88, value 3.14159'
    Font.Color = $00A8A8A8
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    Transparent = True
  end
  object lblTime: TLabel
    Left = 168
    Top = 258
    Width = 120
    Height = 14
    AutoSize = False
    Caption = 'time HH.MM'
    Font.Color = $00A8A8A8
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    Transparent = True
  end
  object lblDate: TLabel
    Left = 304
    Top = 258
    Width = 150
    Height = 14
    AutoSize = False
    Caption = 'date DD.MM.YY'
    Font.Color = $00A8A8A8
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    Transparent = True
  end
  object ledZeroLeading: ZvNumLed
    Left = 16
    Top = 282
    Width = 100
    Height = 40
    Format = '8888'
    ZeroLeading = True
    OnClick = DisplayClick
    OnDblClick = DisplayDblClick
  end
  object imgFrame: TImage
    Left = 136
    Top = 280
    Width = 200
    Height = 44
    Picture.Data = 'frame.bmp'
  end
  object ledKeepRatio: ZvNumLed
    Left = 138
    Top = 282
    Width = 196
    Height = 40
    Format = '8888'
    KeepRatio = True
    LedColors.LightColor = clYellow
    LedColors.DarkColor = $00003030
    OnClick = DisplayClick
    OnDblClick = DisplayDblClick
  end
  object ledTemperature: ZvNumLed
    Left = 356
    Top = 282
    Width = 108
    Height = 40
    Format = '88^C'
    LedColors.LightColor = $000080FF
    LedColors.DarkColor = $00001A33
    OnClick = DisplayClick
    OnDblClick = DisplayDblClick
  end
  object lblZeroLeading: TLabel
    Left = 16
    Top = 326
    Width = 110
    Height = 14
    AutoSize = False
    Caption = 'zero leading'
    Font.Color = $00A8A8A8
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    Transparent = True
  end
  object lblKeepRatio: TLabel
    Left = 136
    Top = 326
    Width = 200
    Height = 14
    AutoSize = False
    Caption = 'keep ratio in a wider frame'
    Font.Color = $00A8A8A8
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    Transparent = True
  end
  object lblTemperature: TLabel
    Left = 356
    Top = 326
    Width = 110
    Height = 14
    AutoSize = False
    Caption = 'degree sign and C'
    Font.Color = $00A8A8A8
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    Transparent = True
  end
  object imgBackdrop: TImage
    Left = 304
    Top = 344
    Width = 160
    Height = 44
    Picture.Data = 'backdrop.bmp'
  end
  object ledTransparent: ZvNumLed
    Left = 324
    Top = 346
    Width = 120
    Height = 40
    Format = '88.8'
    Transparent = True
    LedColors.LightColor = clAqua
    OnClick = DisplayClick
    OnDblClick = DisplayDblClick
  end
  object lblTransparent: TLabel
    Left = 16
    Top = 360
    Width = 280
    Height = 14
    AutoSize = False
    Caption = 'transparent over a picture:'
    Font.Color = $00A8A8A8
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    Transparent = True
  end
  object tmrClock: TTimer
    Interval = 1000
    OnTimer = tmrClockTimer
  end
end
