object TfrmMain: TTfrmMain
  Left = 192
  Top = 114
  BorderStyle = bsNone
  Caption = 'frmMain'
  ClientHeight = 218
  ClientWidth = 490
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  OnShow = FormShow
  object imgBackground: TImage
    Left = 0
    Top = 0
    Width = 385
    Height = 215
    Picture.Data = 'background.bmp'
    OnMouseDown = imgBackgroundMouseDown
  end
  object imgCPUBar: TImage
    Left = 49
    Top = 59
    Width = 296
    Height = 88
    Stretch = True
    Transparent = True
    Visible = False
    OnMouseDown = imgBackgroundMouseDown
  end
  object imgCPU1: TImage
    Left = 170
    Top = 114
    Width = 22
    Height = 27
    OnMouseDown = imgBackgroundMouseDown
  end
  object imgCPU2: TImage
    Left = 194
    Top = 114
    Width = 22
    Height = 27
    OnMouseDown = imgBackgroundMouseDown
  end
  object imgCPU3: TImage
    Left = 218
    Top = 114
    Width = 22
    Height = 27
    OnMouseDown = imgBackgroundMouseDown
  end
  object imgCPU4: TImage
    Left = 242
    Top = 114
    Width = 22
    Height = 27
    OnMouseDown = imgBackgroundMouseDown
  end
  object imgCPU5: TImage
    Left = 266
    Top = 114
    Width = 22
    Height = 27
    OnMouseDown = imgBackgroundMouseDown
  end
  object imgCPU6: TImage
    Left = 290
    Top = 114
    Width = 22
    Height = 27
    OnMouseDown = imgBackgroundMouseDown
  end
  object imgCPU7: TImage
    Left = 314
    Top = 114
    Width = 22
    Height = 27
    OnMouseDown = imgBackgroundMouseDown
  end
  object imgVIDPerc: TImage
    Left = 173
    Top = 177
    Width = 79
    Height = 10
    OnMouseDown = imgBackgroundMouseDown
  end
  object imgVID1: TImage
    Left = 262
    Top = 176
    Width = 9
    Height = 12
    OnMouseDown = imgBackgroundMouseDown
  end
  object imgVID2: TImage
    Left = 272
    Top = 176
    Width = 9
    Height = 12
    OnMouseDown = imgBackgroundMouseDown
  end
  object imgVID3: TImage
    Left = 282
    Top = 176
    Width = 9
    Height = 12
    OnMouseDown = imgBackgroundMouseDown
  end
  object imgVID4: TImage
    Left = 292
    Top = 176
    Width = 9
    Height = 12
    OnMouseDown = imgBackgroundMouseDown
  end
  object imgVID5: TImage
    Left = 302
    Top = 176
    Width = 9
    Height = 12
    OnMouseDown = imgBackgroundMouseDown
  end
  object imgVID6: TImage
    Left = 312
    Top = 176
    Width = 9
    Height = 12
    OnMouseDown = imgBackgroundMouseDown
  end
  object imgClose: TImage
    Left = 466
    Top = 196
    Width = 16
    Height = 16
    Picture.Data = 'close.bmp'
  end
  object imgMin: TImage
    Left = 443
    Top = 178
    Width = 16
    Height = 16
    Picture.Data = 'min.bmp'
  end
  object lbCpuFreq: TLabel
    Left = 32
    Top = 152
    Width = 108
    Height = 13
    Alignment = taCenter
    AutoSize = False
    Caption = 'CPU Frequency'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clLime
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = True
    OnMouseDown = imgBackgroundMouseDown
  end
  object lbCpuVolt: TLabel
    Left = 77
    Top = 176
    Width = 83
    Height = 13
    Alignment = taCenter
    AutoSize = False
    Caption = 'CPU Voltage'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clAqua
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = True
    OnMouseDown = imgBackgroundMouseDown
  end
  object imgMinDn: TImage
    Left = 426
    Top = 13
    Width = 16
    Height = 16
    Picture.Data = 'min_down.bmp'
  end
  object imgMinOv: TImage
    Left = 426
    Top = 37
    Width = 16
    Height = 16
    Picture.Data = 'min_over.bmp'
  end
  object imgMinUp: TImage
    Left = 426
    Top = 61
    Width = 16
    Height = 16
    Picture.Data = 'min_up.bmp'
  end
  object imgCloseDn: TImage
    Left = 450
    Top = 13
    Width = 16
    Height = 16
    Picture.Data = 'close_down.bmp'
  end
  object imgCloseOv: TImage
    Left = 450
    Top = 37
    Width = 16
    Height = 16
    Picture.Data = 'close_over.bmp'
  end
  object imgCloseUp: TImage
    Left = 450
    Top = 61
    Width = 16
    Height = 16
    Picture.Data = 'close_up.bmp'
  end
  object Timer1: TTimer
    Interval = 100
    OnTimer = Timer1Timer
  end
  object imglstNumL: TImageList
    Height = 27
    Width = 22
    Bitmap = 'digits_large.bmp'
  end
  object imglstNumM: TImageList
    Height = 12
    Width = 9
    Bitmap = 'digits_medium.bmp'
  end
  object imglstNumS: TImageList
    Bitmap = 'tray_icons.bmp'
  end
  object TrayIcon1: TTrayIcon
    Visible = True
    Icons = imglstNumS
    IconIndex = 1
    PopupMenu = PopupMenu1
    PopupMenuOn = imRightClickUp
    RestoreOn = imDoubleClick
    Hide = True
    OnRestore = TrayIcon1Restore
  end
  object PopupMenu1: TPopupMenu
    object Restore1: TMenuItem
      Caption = 'Restore'
      OnClick = Restore1Click
    end
    object Close1: TMenuItem
      Caption = 'Close'
      OnClick = Close1Click
    end
  end
  object Timer2: TTimer
    Interval = 10
    OnTimer = Timer2Timer
  end
  object imglstCPUPerf: TImageList
    Height = 10
    Width = 79
    Bitmap = 'volt_bar.bmp'
  end
  object abMin: ZvButtonTx
    Left = 331
    Top = 26
    Width = 16
    Height = 16
    TabOrder = 0
    TransparentColor = 13027486
    Appearance.RaisedBmp.Data = 'min_up.bmp'
    Appearance.SunkenBmp.Data = 'min_down.bmp'
    Appearance.FocusedBmp.Data = 'min_over.bmp'
    OnClick = abMinClick
  end
  object abClose: ZvButtonTx
    Left = 354
    Top = 44
    Width = 16
    Height = 16
    TabOrder = 1
    TransparentColor = 12172697
    Appearance.RaisedBmp.Data = 'close_up.bmp'
    Appearance.SunkenBmp.Data = 'close_down.bmp'
    Appearance.FocusedBmp.Data = 'close_over.bmp'
    OnClick = abCloseClick
  end
end
