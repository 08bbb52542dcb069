object A: TX
  Caption = 'abc
  Left = $FFFFFFFFFFFFFFFFF
end