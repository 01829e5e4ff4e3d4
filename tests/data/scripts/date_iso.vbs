' Rule: CDate reads month/day/year text (en-US order); Year, Month and Day give the parts as numbers.
' Rule: Right("0" & n, 2) pads a number to two digits.
' Case: "1/5/2021" => "2021-01-05"
' Case: "12/31/1999" => "1999-12-31"
' Case: "2/29/2021" => ERROR
Function DataUpdated(Data)
  Dim d
  d = CDate(Data)
  DataUpdated = Year(d) & "-" & Right("0" & Month(d), 2) & "-" & Right("0" & Day(d), 2)
End Function
