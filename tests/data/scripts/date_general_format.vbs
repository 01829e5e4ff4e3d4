' Rule: A Date shown as text is M/D/YYYY h:mm:ss AM/PM; the time is left out at midnight.
' Rule: TimeSerial builds a time of day; adding it to a date keeps a Date.
' Case: "0" => "1/1/2021"
' Case: "13" => "1/1/2021 1:00:00 PM"
' Case: "24" => "1/2/2021"
Function DataUpdated(Data)
  DataUpdated = DateSerial(2021, 1, 1) + TimeSerial(CInt(Data), 0, 0)
End Function
