' Rule: Comparing two texts with = is exact (binary compare); ElseIf tries the next condition, Else takes the rest.
' Rule: Len of the empty text is 0.
' Case: "" => "N/A"
' Case: "ok" => "OK"
' Case: "OK" => "OK"
' Case: "other" => "other"
Function DataUpdated(Data)
  If Len(Data) = 0 Then
    DataUpdated = "N/A"
  ElseIf LCase(Data) = "ok" Then
    DataUpdated = "OK"
  Else
    DataUpdated = Data
  End If
End Function
