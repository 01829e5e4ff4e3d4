' Rule: FormatCurrency writes "$" and two decimals, a negative amount in parentheses; FormatPercent multiplies by 100 and adds "%".
' Case: "1234.5" => "$1,234.50|123,450.00%"
' Case: "-2" => "($2.00)|-200.00%"
' Case: "0.0625" => "$0.06|6.25%"
Function DataUpdated(Data)
  DataUpdated = FormatCurrency(CDbl(Data)) & "|" & FormatPercent(CDbl(Data))
End Function
