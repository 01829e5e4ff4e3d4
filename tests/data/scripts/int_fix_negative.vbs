' Rule: Int rounds down to the next whole number, Fix cuts the fraction off; they differ for negative numbers.
' Case: "2.7" => "2|2"
' Case: "-2.7" => "-3|-2"
' Case: "-2" => "-2|-2"
Function DataUpdated(Data)
  DataUpdated = Int(CDbl(Data)) & "|" & Fix(CDbl(Data))
End Function
