' Rule: On Error Resume Next carries on after a failing statement and leaves its number in Err.Number; Err.Clear resets it.
' Rule: CInt of text that is not a number is error 13, "Type mismatch".
' Case: "12" => "12"
' Case: "abc" => "invalid (13: Type mismatch)"
Function DataUpdated(Data)
  Dim n
  On Error Resume Next
  n = CInt(Data)
  If Err.Number <> 0 Then
    DataUpdated = "invalid (" & Err.Number & ": " & Err.Description & ")"
    Err.Clear
  Else
    DataUpdated = n
  End If
End Function
