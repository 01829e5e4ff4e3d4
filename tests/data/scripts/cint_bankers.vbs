' Rule: CInt rounds a half to the even neighbour, and text that reads as a number converts.
' Rule: CInt outside -32768..32767 is an Overflow error.
' Case: "1.5" => "2"
' Case: "2.5" => "2"
' Case: " 7.5 " => "8"
' Case: "32767.4" => "32767"
' Case: "32767.5" => ERROR
' Case: "x" => ERROR
Function DataUpdated(Data)
  DataUpdated = CInt(Data)
End Function
