object frmSample: TfrmSample
  Left = 447
  Top = 404
  BorderStyle = bsNone
  Caption = 'frmSample'
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
  PixelsPerInch = 96
  TextHeight = 13
  object imgBackground: TImage
    Left = 0
    Top = 0
    Width = 385
    Height = 215
    OnMouseDown = imgBackgroundMouseDown
  end
  object lbCpuFreq: TLabel
    Left = 32
    Top = 152
    Width = 108
    Height = 13
    Alignment = taCenter
    AutoSize = False
    Caption = 'CPU Frequency'
    Font.Color = clLime
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    Transparent = True
  end
  object Timer1: TTimer
    Interval = 100
    OnTimer = Timer1Timer
  end
end
