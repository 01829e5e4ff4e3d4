' Rule: Dividing a non-zero number by zero is error 11, "Division by zero"; On Error GoTo 0 makes later errors stop the script.
' Case: "4" => "25"
' Case: "0" => "Division by zero"
Function DataUpdated(Data)
  Dim r
  On Error Resume Next
  r = 100 / CDbl(Data)
  If Err.Number = 11 Then r = Err.Description
  On Error GoTo 0
  DataUpdated = r
End Function
