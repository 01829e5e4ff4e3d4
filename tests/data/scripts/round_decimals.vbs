' Rule: Round(number, places) rounds a half at that decimal place to the even digit, as the number is written.
' Rule: CStr of a Double drops trailing zeros.
' Case: "2.675" => "2.68"
' Case: "2.665" => "2.66"
' Case: "1.005" => "1"
' Case: "12.3449" => "12.34"
Function DataUpdated(Data)
  DataUpdated = CStr(Round(CDbl(Data), 2))
End Function
