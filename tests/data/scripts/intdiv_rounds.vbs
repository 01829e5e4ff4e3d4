' Rule: \ and Mod round both operands half to even before dividing, so 7.5 \ 2 is 8 \ 2 and 6.5 Mod 4 is 6 Mod 4.
' Case: "7.5" => "4|0"
' Case: "6.5" => "3|2"
' Case: "-7" => "-3|-3"
Function DataUpdated(Data)
  DataUpdated = (CDbl(Data) \ 2) & "|" & (CDbl(Data) Mod 4)
End Function
