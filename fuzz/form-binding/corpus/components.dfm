object frm: TFuzzForm
  object Tray: TTrayIcon
    Icons = List
    PopupMenu = Menu
    Visible = True
    Hint = 'hint'
  end
  object List: TImageList
    Width = 2
    Height = 2
    Bitmap = 'strip.bmp'
  end
  object Menu: TPopupMenu
    object Item1: TMenuItem
      Caption = 'Restore'
      OnClick = Clicked
    end
  end
  object Timer1: TTimer
    Interval = 10
    OnTimer = Clicked
  end
end
