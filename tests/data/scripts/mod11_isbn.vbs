' Rule: Mod of whole numbers; Select Case on a number chooses the matching branch, Case Else the rest.
' Rule: The ISBN-10 check digit weights the digits 10 down to 2; a remainder check value of 10 is written X.
' Case: "030640615" => "0306406152"
' Case: "080442957" => "080442957X"
Function DataUpdated(Data)
  Dim i, sum, c
  sum = 0
  For i = 1 To 9
    sum = sum + (11 - i) * CInt(Mid(Data, i, 1))
  Next
  c = (11 - (sum Mod 11)) Mod 11
  Select Case c
    Case 10
      DataUpdated = Data & "X"
    Case Else
      DataUpdated = Data & c
  End Select
End Function
