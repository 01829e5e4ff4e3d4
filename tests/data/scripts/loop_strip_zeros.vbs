' Rule: Do While ... Loop repeats while its condition holds and tests it before each pass.
' Rule: Left(text, 1) is the first character; Mid(text, 2) drops it.
' Case: "000123" => "123"
' Case: "0000" => "0"
' Case: "120" => "120"
Function DataUpdated(Data)
  Dim s
  s = Data
  Do While Len(s) > 1 And Left(s, 1) = "0"
    s = Mid(s, 2)
  Loop
  DataUpdated = s
End Function
