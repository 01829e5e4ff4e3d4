' Rule: Integer arithmetic widens to Long when the result does not fit in 16 bits, and / always gives a Double.
' Rule: CStr of a Double shows up to 15 significant digits with "." as the decimal point.
' Case: "32767" => "Long 32768|Double 0.333333333333333"
' Case: "100" => "Integer 101|Double 0.333333333333333"
Function DataUpdated(Data)
  Dim n
  n = CInt(Data) + 1
  DataUpdated = TypeName(n) & " " & n & "|" & TypeName(1 / 3) & " " & CStr(1 / 3)
End Function
