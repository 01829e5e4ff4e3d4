' Rule: InStrRev gives the position of the last occurrence, 0 when there is none.
' Case: "label.final.lbl" => "lbl"
' Case: "README" => "(none)"
Function DataUpdated(Data)
  Dim p
  p = InStrRev(Data, ".")
  If p = 0 Then
    DataUpdated = "(none)"
  Else
    DataUpdated = Mid(Data, p + 1)
  End If
End Function
