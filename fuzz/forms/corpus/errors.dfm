OBJECT a: t
  x = #56832
  y = {0A0}
END
object