object frm: TFuzzForm
  Width = 99999999999
  object Label1: TPanel
  end
  object X: TNothing
  end
end
