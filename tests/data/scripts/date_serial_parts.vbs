' Rule: DateSerial lets month and day run over into the next month or year; a date with no time shows as M/D/YYYY.
' Rule: Mid(text, start, length) takes characters from a 1-based position.
' Case: "20211301" => "1/1/2022"
' Case: "20210230" => "3/2/2021"
' Case: "20210115" => "1/15/2021"
Function DataUpdated(Data)
  DataUpdated = CStr(DateSerial(CInt(Left(Data, 4)), CInt(Mid(Data, 5, 2)), CInt(Right(Data, 2))))
End Function
