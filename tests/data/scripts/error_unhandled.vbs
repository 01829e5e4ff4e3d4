' Rule: Without On Error Resume Next a run-time error ends the call (the object shows SCRIPT ERROR).
' Rule: Mid with a start position below 1 is error 5, "Invalid procedure call or argument".
' Case: "1" => "abc"
' Case: "0" => ERROR
' Case: "-1" => ERROR
Function DataUpdated(Data)
  DataUpdated = Mid("abc", CInt(Data))
End Function
