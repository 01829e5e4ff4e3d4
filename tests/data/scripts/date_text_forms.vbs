' Rule: CDate reads the usual en-US date texts: month names, ISO year-month-day and day-first text when the first number cannot be a month.
' Rule: IsDate tells whether a text reads as a date.
' Case: "January 5, 2021" => "1/5/2021"
' Case: "2021-03-04" => "3/4/2021"
' Case: "25/12/2021" => "12/25/2021"
' Case: "5 Feb 99" => "2/5/1999"
' Case: "31/31/2021" => "no date"
Function DataUpdated(Data)
  If IsDate(Data) Then
    DataUpdated = CStr(DateValue(Data))
  Else
    DataUpdated = "no date"
  End If
End Function
