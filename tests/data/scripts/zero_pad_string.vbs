' Rule: String(n, character) repeats the first character of the text n times; n below 0 is an invalid argument.
' Rule: Len gives the number of characters.
' Case: "42" => "000042"
' Case: "123456" => "123456"
' Case: "1234567" => ERROR
Function DataUpdated(Data)
  DataUpdated = String(6 - Len(Data), "0") & Data
End Function
