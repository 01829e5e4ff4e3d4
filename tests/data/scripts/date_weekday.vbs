' Rule: Weekday counts from Sunday (1) by default; WeekdayName gives the English name, abbreviated on request.
' Rule: MonthName gives the English month name.
' Case: "1/1/2021" => "Fri, January 1"
' Case: "7/4/1976" => "Sun, July 4"
Function DataUpdated(Data)
  Dim d
  d = CDate(Data)
  DataUpdated = WeekdayName(Weekday(d), True) & ", " & MonthName(Month(d)) & " " & Day(d)
End Function
