' Rule: FormatNumber uses "," between thousands and "." before the decimals, two decimals by default, a half rounded away from zero.
' Rule: FormatNumber(n, 0) shows no decimals.
' Case: "1234.5" => "1,234.50|1,235"
' Case: "-1234.567" => "-1,234.57|-1,235"
' Case: "1000000" => "1,000,000.00|1,000,000"
Function DataUpdated(Data)
  DataUpdated = FormatNumber(CDbl(Data)) & "|" & FormatNumber(CDbl(Data), 0)
End Function
