object Panel1: TZvPanel
  Tag = -$10
  Ratio = 1.5E3
  Caption = 'It''s'#13#10'two lines' +
    ' and more'#26085#55357#56832
  Font.Style = [fsBold, fsItalic]
  Appearance.RaisedBmp.Data = {
    0A0B0C0D
    FF}
  Items.Strings = (
    'first'
    'second'
    3)
  Columns = <
    item
      Width = 10
      Sub = < item end >
    end
    item
    end>
  PopupMenu = Form1.PopupMenu1
  object TLabel
  end
end
