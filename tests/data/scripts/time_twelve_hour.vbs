' Rule: CDate reads 24-hour times; Hour and Minute give the parts; FormatDateTime(t, vbShortTime) writes HH:mm.
' Case: "13:05" => "1:05 PM / 13:05"
' Case: "0:30" => "12:30 AM / 00:30"
' Case: "12:00" => "12:00 PM / 12:00"
Function DataUpdated(Data)
  Dim t, h, suffix
  t = CDate(Data)
  h = Hour(t)
  If h < 12 Then suffix = "AM" Else suffix = "PM"
  h = h Mod 12
  If h = 0 Then h = 12
  DataUpdated = h & ":" & Right("0" & Minute(t), 2) & " " & suffix & " / " & FormatDateTime(t, vbShortTime)
End Function
