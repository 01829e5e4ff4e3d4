Function DataUpdated(Data)
  Dim d
  d = DateSerial(2026, 12, 11)
  DataUpdated = Year(d) & "-" & Right("0" & Month(d), 2) & "-" & Right("0" & Day(d), 2) & " " & _
    FormatNumber(Data, 2) & " " & Round(2.5) & " " & CInt(3.5) & " " & Data + 1 & " " & Data & 1
End Function
