' Rule: Round rounds a half to the even neighbour (banker's rounding); other fractions go to the nearer whole number.
' Rule: CDbl reads the text with "." as the decimal point.
' Case: "2.5" => "2"
' Case: "3.5" => "4"
' Case: "-2.5" => "-2"
' Case: "2.51" => "3"
' Case: "0.5" => "0"
' Case: "abc" => ERROR
Function DataUpdated(Data)
  DataUpdated = Round(CDbl(Data))
End Function
