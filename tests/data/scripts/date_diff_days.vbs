' Rule: DateDiff("d", a, b) counts the midnights from a to b, negative when b is earlier.
' Case: "1/1/2021" => "0"
' Case: "3/1/2021" => "59"
' Case: "12/25/2020" => "-7"
Function DataUpdated(Data)
  DataUpdated = DateDiff("d", DateSerial(2021, 1, 1), CDate(Data))
End Function
