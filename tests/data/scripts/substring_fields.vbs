' Rule: Mid(text, start) takes the rest from a 1-based position; Left takes the first characters.
' Rule: Mid with a start past the end gives the empty text.
' Case: "AB1234XYZ" => "AB/1234/XYZ"
' Case: "AB12" => "AB/12/"
Function DataUpdated(Data)
  DataUpdated = Left(Data, 2) & "/" & Mid(Data, 3, 4) & "/" & Mid(Data, 7)
End Function
