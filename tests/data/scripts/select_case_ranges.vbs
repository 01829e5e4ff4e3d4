' Rule: Select Case accepts ranges (a To b) and comparisons (Is < n); the first matching Case wins.
' Rule: CDbl turns the text into a number, so the ranges compare numbers.
' Case: "-1" => "invalid"
' Case: "0" => "light"
' Case: "4.99" => "light"
' Case: "5" => "medium"
' Case: "20" => "medium"
' Case: "20.5" => "heavy"
Function DataUpdated(Data)
  Select Case CDbl(Data)
    Case Is < 0
      DataUpdated = "invalid"
    Case 0 To 4.99
      DataUpdated = "light"
    Case 5 To 20
      DataUpdated = "medium"
    Case Else
      DataUpdated = "heavy"
  End Select
End Function
