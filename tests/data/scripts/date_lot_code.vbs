' Rule: DatePart("y", date) is the day of the year; Right(Year(d), 1) the last digit of the year.
' Rule: A number joined with & is shown without padding, so Right("00" & n, 3) pads to three digits.
' Case: "1/5/2021" => "1005"
' Case: "12/31/2020" => "0366"
' Case: "3/1/2021" => "1060"
Function DataUpdated(Data)
  Dim d
  d = CDate(Data)
  DataUpdated = Right(Year(d), 1) & Right("00" & DatePart("y", d), 3)
End Function
