' Rule: Trim removes leading and trailing spaces only; UCase and LCase change letter case.
' Case: "  hello world  " => "[HELLO WORLD]"
' Case: "MiXeD" => "[MIXED]"
' Case: "   " => "[]"
Function DataUpdated(Data)
  DataUpdated = "[" & UCase(Trim(Data)) & "]"
End Function
