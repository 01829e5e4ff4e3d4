' Rule: FormatDateTime(date, vbLongDate) writes the English weekday, month name, day and year.
' Rule: FormatDateTime(date, vbLongTime) writes h:mm:ss AM/PM.
' Case: "1/1/2021 18:30" => "Friday, January 1, 2021 at 6:30:00 PM"
' Case: "2/29/2024 0:00" => "Thursday, February 29, 2024 at 12:00:00 AM"
Function DataUpdated(Data)
  Dim d
  d = CDate(Data)
  DataUpdated = FormatDateTime(d, vbLongDate) & " at " & FormatDateTime(d, vbLongTime)
End Function
