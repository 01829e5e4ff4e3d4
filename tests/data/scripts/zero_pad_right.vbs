' Rule: & joins texts; Right(text, n) takes the last n characters, all of them when the text is shorter.
' Case: "7" => "0007"
' Case: "123" => "0123"
' Case: "12345" => "2345"
' Case: "" => "0000"
Function DataUpdated(Data)
  DataUpdated = Right("0000" & Data, 4)
End Function
