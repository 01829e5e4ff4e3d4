' Rule: The host may call any function of the script by name, such as the one run before printing.
' Call: BeforePrintData
' Case: "abc" => "ABC"
Function DataUpdated(Data)
  DataUpdated = Data
End Function

Function BeforePrintData(Data)
  BeforePrintData = UCase(Data)
End Function
