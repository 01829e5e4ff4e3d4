' Rule: Under Option Explicit, using a variable that was never declared is error 500, "Variable is undefined".
' Case: "1" => "declared 1"
' Case: "2" => ERROR
Option Explicit

Function DataUpdated(Data)
  Dim known
  known = "declared "
  If Data = "1" Then
    DataUpdated = known & Data
  Else
    DataUpdated = unknown & Data
  End If
End Function
