' Rule: Asc gives the character code of the first character and Chr the character of a code.
' Rule: Chr of a code outside 0..255 is error 5.
' Case: "HAL" => "IBM"
' Case: "Az" => "B{"
Function DataUpdated(Data)
  Dim i, s
  For i = 1 To Len(Data)
    s = s & Chr(Asc(Mid(Data, i, 1)) + 1)
  Next
  DataUpdated = s
End Function
