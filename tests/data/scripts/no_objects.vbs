' Rule: Scripts get no objects: CreateObject fails with error 429, "ActiveX component can't create object".
' Rule: On Error Resume Next lets the script report the failure itself.
' Case: "x" => "429 ActiveX component can't create object"
Function DataUpdated(Data)
  Dim o
  On Error Resume Next
  Set o = CreateObject("Scripting.FileSystemObject")
  DataUpdated = Err.Number & " " & Err.Description
End Function
