' Rule: Weekday gives 1 for Sunday and 7 for Saturday; DateAdd("d", 1, d) moves one day on.
' Rule: A Do Until loop skips weekend days.
' Case: "1/1/2021" => "1/8/2021"
' Case: "1/4/2021" => "1/11/2021"
Function DataUpdated(Data)
  Dim d, added
  d = CDate(Data)
  added = 0
  Do Until added = 5
    d = DateAdd("d", 1, d)
    If Weekday(d) <> vbSunday And Weekday(d) <> vbSaturday Then added = added + 1
  Loop
  DataUpdated = d
End Function
