' Rule: vbCrLf is carriage return and line feed; Replace swaps every "|" for it.
' Case: "line 1|line 2" => "line 1\r\nline 2"
' Case: "single" => "single"
Function DataUpdated(Data)
  DataUpdated = Replace(Data, "|", vbCrLf)
End Function
