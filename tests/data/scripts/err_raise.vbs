' Rule: Err.Raise number, source, description raises an error of the script's own; an unhandled one ends the call.
' Rule: vbObjectError is the base of a script's own error numbers.
' Case: "5" => "5"
' Case: "-1" => ERROR
' Case: "x" => "caught 513"
Function Checked(s)
  If Not IsNumeric(s) Then Err.Raise vbObjectError + 513, "label", "not a number"
  If CDbl(s) < 0 Then Err.Raise 5
  Checked = s
End Function

Function DataUpdated(Data)
  If IsNumeric(Data) Then
    DataUpdated = Checked(Data)
  Else
    On Error Resume Next
    DataUpdated = Checked(Data)
    DataUpdated = "caught " & (Err.Number - vbObjectError)
  End If
End Function
