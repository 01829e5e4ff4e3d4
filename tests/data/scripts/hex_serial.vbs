' Rule: Hex gives the hexadecimal digits in capitals without padding; CLng reads the decimal text first.
' Case: "255" => "0000FF"
' Case: "4096" => "001000"
' Case: "16777215" => "FFFFFF"
Function DataUpdated(Data)
  DataUpdated = Right("000000" & Hex(CLng(Data)), 6)
End Function
