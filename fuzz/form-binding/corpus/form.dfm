object frm: TFuzzForm
  Left = 10
  Caption = 'x'#13'y'
  Color = clBtnFace
  Font.Style = [fsBold]
  BorderStyle = bsNone
  OnClick = Clicked
  object Label1: TLabel
    Caption = 'CPU Frequency'
    Font.Color = clLime
    Transparent = True
    OnMouseDown = Pressed
  end
  object Panel1: TPanel
    TabOrder = 0
    object Image1: TImage
      Picture.Data = 'strip.bmp'
      Stretch = True
    end
  end
end
